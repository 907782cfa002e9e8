// The runtime's lifecycle: initialisers, the exception helper, quitting and the exit status.
#include <framework/application.h>
#include <framework/runtime.h>
#include <framework/testing.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace rt = fw::runtime;

int occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// Every test starts from a fresh run: nothing pending, no quit, no helper.
class Runtime : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }
    static void reset()
    {
        fw::clearQuitRequest();
        rt::SetExceptionHelper(nullptr);
        rt::TakePendingException();
    }
};

TEST_F(Runtime, QuitOutsideTheLoopIsRememberedAndEndsTheLoopAtOnce)
{
    EXPECT_EQ(fw::quitRequested(), std::nullopt);
    EXPECT_EQ(rt::Shutdown(), 0) << "no Quit: the run ends with 0";
    fw::Quit(3);
    EXPECT_EQ(fw::quitRequested(), 3);
    rt::RunEventLoop(); // returns at once, since the quit came first
    EXPECT_EQ(rt::Shutdown(), 3);
    fw::clearQuitRequest();
    EXPECT_EQ(fw::quitRequested(), std::nullopt);
    EXPECT_EQ(rt::Shutdown(), 0);
}

struct EscapeCase {
    const char* name;
    std::function<void()> handler;
    const char* kind;
    const char* message;
};

class EscapingHandler : public Runtime, public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(EscapingHandler, IsReportedOnceWithKindAndMessageAndFailsTheRun)
{
    const auto& c = GetParam();
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(rt::CallFunctionWithExceptionHandling(c.handler));
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(occurrences(report, c.kind), 1) << report;
    EXPECT_NE(report.find(c.message), std::string::npos) << report;
    EXPECT_NE(rt::Shutdown(), 0);
    rt::RunEventLoop(); // a failed run does not enter the loop
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EscapingHandler,
    ::testing::Values(
        EscapeCase{"MissingControl", [] { throw fw::NilObjectException("control is nil"); }, "NilObjectException",
                   "control is nil"},
        EscapeCase{"WrongWindowClass", [] { throw fw::IllegalCastException("not a Window1"); },
                   "IllegalCastException", "not a Window1"},
        EscapeCase{"StandardLibraryFailure", [] { throw std::runtime_error("disk full"); }, "std::exception",
                   "disk full"},
        EscapeCase{"SomethingElseThrown", [] { throw 42; }, "unknown exception", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Runtime, AHandlerThatReturnsLeavesNoTraceAndTheRunSucceeds)
{
    bool ran = false;
    ::testing::internal::CaptureStderr();
    rt::CallFunctionWithExceptionHandling([&] { ran = true; });
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(ran);
    EXPECT_EQ(rt::Shutdown(), 0);
}

TEST_F(Runtime, AQuitWithZeroAfterAFailureDoesNotMakeTheRunASuccess)
{
    ::testing::internal::CaptureStderr();
    rt::CallFunctionWithExceptionHandling([] { throw fw::NilObjectException("surface is nil"); });
    ::testing::internal::GetCapturedStderr();
    fw::Quit(0);
    EXPECT_NE(rt::Shutdown(), 0);
}

TEST_F(Runtime, HandlersRunThroughTheInstalledHelperOrDirectly)
{
    auto failing = [] { throw fw::NilObjectException("no such control"); };
    EXPECT_THROW(rt::callHandler(failing), fw::NilObjectException);

    rt::SetExceptionHelper(&rt::CallFunctionWithExceptionHandling);
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(rt::callHandler(failing));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("no such control"), std::string::npos);
    EXPECT_NE(rt::Shutdown(), 0);
}

TEST_F(Runtime, UnhandledExceptionReportNamesKindAndMessageAndFailsTheRun)
{
    ::testing::internal::CaptureStderr();
    rt::ReportUnhandledException(std::make_exception_ptr(fw::IllegalCastException("window is not a Window1")));
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(report.find("IllegalCastException"), std::string::npos) << report;
    EXPECT_NE(report.find("window is not a Window1"), std::string::npos) << report;
    EXPECT_NE(rt::Shutdown(), 0);
}

TEST_F(Runtime, AFailingInitialiserStopsTheRestAndStaysPending)
{
    std::vector<int> ran;
    rt::AddInitialiser([&] { ran.push_back(1); });
    rt::AddInitialiser([&] {
        ran.push_back(2);
        throw fw::NilObjectException("globals not ready");
    });
    rt::AddInitialiser([&] { ran.push_back(3); });
    rt::Initialise();
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
    const auto pending = rt::TakePendingException();
    ASSERT_TRUE(pending);
    EXPECT_THROW(std::rethrow_exception(pending), fw::NilObjectException);
    EXPECT_FALSE(rt::TakePendingException()) << "taking the exception clears it";
}

TEST_F(Runtime, InitialisersRunOnceInOrder)
{
    std::vector<int> ran;
    for (int i = 1; i <= 3; ++i)
        rt::AddInitialiser([&ran, i] { ran.push_back(i); });
    rt::Initialise();
    rt::Initialise();
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(rt::TakePendingException());
}

TEST_F(Runtime, FinalisersAllRunOnceLatestFirstEvenWhenOneFails)
{
    std::vector<int> ran;
    rt::AddFinaliser([&] { ran.push_back(1); });
    rt::AddFinaliser([&] {
        ran.push_back(2);
        throw std::runtime_error("cannot release");
    });
    rt::AddFinaliser([&] { ran.push_back(3); });
    ::testing::internal::CaptureStderr();
    rt::RunFinalisers();
    rt::RunFinalisers();
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("cannot release"), std::string::npos);
    EXPECT_EQ(ran, (std::vector<int>{3, 2, 1}));
    EXPECT_NE(rt::Shutdown(), 0);
}

TEST_F(Runtime, InitialisingTheFrameworkRunsLateStartupAndPassesItsFailureOn)
{
    int lateStartups = 0;
    rt::InitialiseFramework([&] { ++lateStartups; });
    EXPECT_EQ(lateStartups, 1);
    EXPECT_THROW(rt::InitialiseFramework([] { throw fw::NilObjectException("Window1 missing"); }),
                 fw::NilObjectException);
}

} // namespace
