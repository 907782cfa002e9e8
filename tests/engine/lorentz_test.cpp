// The read-outs of the meeting construction obey the Lorentz transformation between the observers.
#include "engine_test_support.h"
#include "fake_main_window.h"

#include <framework/text.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace engine_test {
namespace {

// What the panel says, in the viewer's words:
//   TextField2  x : the viewer's space coordinate of the meeting (my x-coordinate),
//   TextField3  t : the viewer's time of the meeting (what all my clocks read then),
//   TextField4  t': what the other observer's clock at the meeting reads, the other's time,
//   TextField5  x': that clock's place in its own system, the other's space coordinate.
// The other observer moves at v = sinPhi (in grid units, c = 1) relative to the viewer, so
//   x' = g (x - v t),   t' = g (t - v x / c^2),   g = 1 / sqrt(1 - v^2 / c^2),
// with c = x_Val x_units per y_val y_units in the current units. Each value is shown to two
// decimals, so a prediction from the shown x and t may be off by g (0.005 + |v| 0.005 in the
// other unit) plus the rounding of the shown x' or t' itself.
TEST_F(EngineTest, ReadOutsAreLorentzTransformsOfEachOther)
{
    OpenMainWindow window;
    Globals::InitGlobals();
    Globals::inProjectingMode = true;
    auto value = [&](const char* field) { return fw::Val(window->control<fw::TextField>(field).Value()); };

    for (std::int64_t units : {0, 3, 9}) {
        Globals::stUnits = units;
        Globals::calcUnits();
        const double light = static_cast<double>(Globals::x_Val) / static_cast<double>(Globals::y_val);
        for (std::int64_t viewer : {0, 1}) {
            Globals::ourSystem = viewer;
            for (double speed : {-0.95, -0.6, -0.25, 0.0, 0.3, 0.6, 0.95}) {
                Globals::sinPhi = speed;
                const double gamma = 1 / std::sqrt(1 - speed * speed);
                const double v = speed * light;
                const double xSlack = gamma * (0.005 + std::abs(v) * 0.005) + 0.005 + 1e-9;
                const double tSlack = gamma * (0.005 + std::abs(speed / light) * 0.005) + 0.005 + 1e-9;
                for (std::int64_t mx = 10; mx < 636; mx += 77) {
                    for (std::int64_t my = 10; my < 553; my += 61) {
                        SCOPED_TRACE("units " + std::to_string(units) + ", viewer " + std::to_string(viewer)
                                     + ", v/c " + std::to_string(speed) + ", click (" + std::to_string(mx)
                                     + ", " + std::to_string(my) + ")");
                        Globals::Mx = mx;
                        Globals::My = my;
                        fw::RecordingGraphics g;
                        Globals::redraw(g);
                        const double x = value("TextField2"), t = value("TextField3");
                        const double tOther = value("TextField4"), xOther = value("TextField5");
                        EXPECT_NEAR(xOther, gamma * (x - v * t), xSlack);
                        EXPECT_NEAR(tOther, gamma * (t - v * x / (light * light)), tSlack);
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace engine_test
