// Test programs' entry: the toolkit runs offscreen, then every test.
#include <framework/testing.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    fw::testing::startToolkit();
    return RUN_ALL_TESTS();
}
