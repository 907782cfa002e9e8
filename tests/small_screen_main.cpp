// Test programs' entry on a projector's screen of 1024 x 768, too small for the main window.
#include <framework/testing.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    fw::testing::startToolkit(1024, 768);
    return RUN_ALL_TESTS();
}
