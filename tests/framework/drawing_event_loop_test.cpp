// The event loop run for real: a paint inside it quits, or lets an exception escape.
#include "widgets_fixture.h"

#include <framework/application.h>
#include <framework/runtime.h>
#include <framework/testing.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

namespace rt = fw::runtime;
using widgets_test::FakeWindow;

inline constexpr auto kCanvas =
    fw::record::encode([] { return widgets_test::canvasEntries({"Canvas1", 10, 10, 100, 80}); });

struct LoopCase {
    const char* name;
    std::function<void()> paint; // what the canvas's paint does once the loop runs
    bool failed;                 // the run ends as a failure
    int status;                  // otherwise, the exit status
    const char* report;          // on standard error, or empty
};

class EventLoop : public widgets_test::WidgetsTest, public ::testing::WithParamInterface<LoopCase> {
protected:
    void SetUp() override
    {
        fw::clearQuitRequest();
        rt::SetExceptionHelper(&rt::CallFunctionWithExceptionHandling);
    }
    void TearDown() override
    {
        widgets_test::WidgetsTest::TearDown();
        rt::SetExceptionHelper(nullptr);
        fw::clearQuitRequest();
    }
};

TEST_P(EventLoop, EndsWithTheStatusOfWhatHappenedInIt)
{
    const auto& c = GetParam();
    int paints = 0;
    auto window = buildWith([](FakeWindow& w) { w.createControl<fw::Canvas>("Canvas1", kCanvas); });
    auto canvas = window->controlAs<fw::Canvas>("Canvas1");
    canvas->Paint.bind([&](fw::Canvas&, fw::Graphics&, const std::vector<fw::Rect>&) {
        ++paints;
        c.paint();
    });
    canvas->Refresh();
    ASSERT_EQ(paints, 0) << "the paint must come from inside the loop";

    ::testing::internal::CaptureStderr();
    rt::RunEventLoop(); // returns once the paint has quit or failed
    const std::string report = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(paints, 1) << "the loop ends at the first paint";
    const int status = rt::Shutdown();
    if (c.failed) {
        EXPECT_NE(status, 0);
    } else {
        EXPECT_EQ(status, c.status);
    }
    if (*c.report) {
        EXPECT_NE(report.find(c.report), std::string::npos) << report;
    } else {
        EXPECT_EQ(report.find("Unhandled"), std::string::npos) << report;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Endings, EventLoop,
    ::testing::Values(LoopCase{"QuitWithZero", [] { fw::Quit(0); }, false, 0, ""},
                      LoopCase{"QuitWithAStatus", [] { fw::Quit(4); }, false, 4, ""},
                      LoopCase{"EscapingFailure", [] { throw fw::NilObjectException("surface is nil"); }, true, 0,
                               "NilObjectException: surface is nil"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
