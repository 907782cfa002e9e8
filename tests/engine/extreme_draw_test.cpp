// Drawing at tilts next to the speed of light and origins at the ends of the 64-bit range: the
// sanitizer build runs these to show that no conversion or sum overflows.
#include "engine_test_support.h"
#include "fake_main_window.h"

#include <engine/koord_sys.h>
#include <engine/thing.h>

#include <cstdint>
#include <limits>

namespace engine_test {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

constexpr double kTilts[] = {
    1 - 1e-12, -(1 - 1e-12), 0.999999, -0.999999, 0.6, -0.6, 0.0, -0.0, 1e-300, -1e-300, 5e-324,
};
constexpr std::int64_t kOrigins[] = {
    kMin, kMin + 1, -(std::int64_t{1} << 53), -1'000'000'000'000, -1, 0, 300, 1'000'000'000'000,
    kMax - 1, kMax,
};
constexpr std::int64_t kTimes[] = {kMin, -500, 0, 72, 500, kMax};

struct Canvas {
    std::int64_t gw, gh;
};
constexpr Canvas kCanvases[] = {{636, 553}, {0, 0}, {kMax, kMax}, {kMin, kMin}};

TEST_F(EngineTest, AxesDrawAtAnyTiltAndOrigin)
{
    for (const Canvas& canvas : kCanvases) {
        Globals::gw = canvas.gw;
        Globals::gh = canvas.gh;
        for (double tilt : kTilts) {
            for (std::int64_t nx : kOrigins) {
                for (std::int64_t ny : kOrigins) {
                    Globals::Nx = nx;
                    Globals::Ny = ny;
                    engine::KoordSys sys;
                    sys.sinPhiTime = tilt;
                    sys.sinPhiSpace = tilt;
                    fw::RecordingGraphics g;
                    sys.Draw(g);
                    ASSERT_EQ(textsOf(g).back().text, "Space");
                }
            }
        }
    }
}

TEST_F(EngineTest, RodsDrawAtAnyTiltOriginAndTime)
{
    const std::int64_t lengths[] = {24, 312, kMax, kMin};
    for (double tilt : kTilts) {
        Globals::sinPhi = tilt;
        for (std::int64_t nx : kOrigins) {
            for (std::int64_t ny : {kMin, std::int64_t{400}, kMax}) {
                Globals::Nx = nx;
                Globals::Ny = ny;
                for (std::int64_t time : kTimes) {
                    Globals::theTime = time;
                    for (std::int64_t length : lengths) {
                        for (std::int64_t index : {0, 1}) {
                            for (std::int64_t position : {0, 1, 2}) {
                                engine::Thing rod;
                                rod.index = index;
                                rod.position = position;
                                rod.length = length;
                                rod.isVisible = rod.hasTrace = rod.hasShadow = true;
                                fw::RecordingGraphics g;
                                rod.Draw(g);
                                ASSERT_FALSE(g.calls().empty());
                            }
                        }
                    }
                }
            }
        }
    }
}

// Clicks and origins at the ends of the range, with the meeting construction on, for both viewers.
TEST_F(EngineTest, MeetingConstructionAtAnyClickTiltAndOrigin)
{
    OpenMainWindow window;
    Globals::InitGlobals();
    Globals::inProjectingMode = true;
    const std::int64_t places[] = {kMin, -1, 300, kMax};
    for (double tilt : kTilts) {
        Globals::sinPhi = tilt;
        for (std::int64_t viewer : {0, 1}) {
            Globals::ourSystem = viewer;
            for (std::int64_t nx : places) {
                for (std::int64_t ny : places) {
                    for (std::int64_t mx : places) {
                        for (std::int64_t my : places) {
                            Globals::Nx = nx;
                            Globals::Ny = ny;
                            Globals::Mx = mx;
                            Globals::My = my;
                            fw::RecordingGraphics g;
                            Globals::redraw(g);
                            ASSERT_FALSE(window->control<fw::TextField>("TextField5").Value().empty());
                        }
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace engine_test
