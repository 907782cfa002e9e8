// The start diagram with both rods shown, rendered into an image and looked at pixel by pixel.
#include "engine_test_support.h"
#include "fake_main_window.h"

#include <framework/color.h>
#include <framework/image.h>

#include <string>

namespace engine_test {
namespace {

// Whether the colour is found at (x, y) or a pixel next to it: a 2 px pen may fall either side.
bool colourNear(const fw::Image& image, int x, int y, fw::Color colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((image.pixel(x + dx, y + dy) & 0xFFFFFF) == colour)
                return true;
    return false;
}

struct PixelRow {
    const char* name;
    int x, y;
    fw::Color colour;
};

TEST_F(EngineTest, StartDiagramWithBothRodsRenders)
{
    OpenMainWindow window;
    Globals::InitGlobals();
    window->control<fw::CheckBox>("CheckBox1").setValue(true);
    window->control<fw::CheckBox>("CheckBox4").setValue(true);

    fw::Image image(636, 553);
    {
        auto g = image.newGraphics();
        Globals::redraw(*g);
    }

    const PixelRow rows[] = {
        {"background between the circles", 630, 300, fw::RGB(255, 255, 255)},
        {"black time axis above the origin", 300, 100, fw::RGB(0, 0, 0)},
        {"red time axis, 250 px up from the origin", 450, 200, fw::RGB(255, 0, 0)},
        {"circle of two grid units, lower left", 198, 502, fw::RGB(220, 220, 220)},
        {"black rod at rest, one grid unit up", 400, 328, fw::RGB(100, 100, 100)},
        {"red rod moving along the red time axis", 285, 299, fw::RGB(200, 0, 0)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(colourNear(image, row.x, row.y, row.colour))
            << "at (" << row.x << ", " << row.y << "): " << std::hex << image.pixel(row.x, row.y);
    }
}

} // namespace
} // namespace engine_test
