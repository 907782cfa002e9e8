// The program's entry run as a whole process: start-up order, the failure path and the exit status.
#include "child_process.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace shell_tests {
namespace {

using namespace std::chrono_literals;

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

struct CommandLineCase {
    const char* name;
    std::vector<std::string> arguments;
};

class StartupWithAnyCommandLine : public ::testing::TestWithParam<CommandLineCase> {};

// The probe quits as soon as the event loop starts, so the whole start-up runs on the offscreen
// platform and the finaliser reports what it built.
TEST_P(StartupWithAnyCommandLine, BuildsAppMenuBarAndMainWindowThenExitsWithZero)
{
    ChildProcess probe(STARTUP_PROBE, GetParam().arguments, {"QT_QPA_PLATFORM=offscreen"});
    const auto result = probe.wait(60s);

    ASSERT_TRUE(result.exitStatus.has_value()) << result.standardError;
    EXPECT_EQ(*result.exitStatus, 0) << result.standardError;
    EXPECT_EQ(result.standardError.find("Unhandled"), std::string::npos) << result.standardError;
    const std::string& out = result.standardOutput;
    EXPECT_NE(out.find("application: App\n"), std::string::npos) << out;
    EXPECT_NE(out.find("version: 1,0,0,0,0\n"), std::string::npos) << out;
    EXPECT_NE(out.find("version texts: [][][]\n"), std::string::npos) << out;
    EXPECT_NE(out.find("menu bar is MenuBar1(): yes\n"), std::string::npos) << out;
    EXPECT_NE(out.find("main window: open\n"), std::string::npos) << out;
    // The model's start values were given by the program's initialiser, after the probe's.
    EXPECT_NE(out.find("origin: 300,400 speed: 0.6\n"), std::string::npos) << out;
    // The main window's Open read the canvas size: the main window was built by late start-up.
    EXPECT_NE(out.find("canvas size: 636x553\n"), std::string::npos) << out;
    EXPECT_NE(out.find("framework version: 2019.03\n"), std::string::npos) << out;
    EXPECT_EQ(occurrences(out, "finalisers ran\n"), 1u) << out;
}

INSTANTIATE_TEST_SUITE_P(
    Entry, StartupWithAnyCommandLine,
    ::testing::Values(
        CommandLineCase{"no_arguments", {}},
        // Options the toolkit would obey if it saw them: another platform, right-to-left layout.
        CommandLineCase{"toolkit_options_and_a_file_name", {"-platform", "xcb", "-reverse", "--help", "diagram.txt"}},
        CommandLineCase{"empty_and_odd_arguments", {"", "--", "-", "\xc3\xa4"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartupFailure, AnInitialiserExceptionIsReportedOnceAndNothingIsBuiltButFinalisersRun)
{
    ChildProcess probe(STARTUP_PROBE, {}, {"QT_QPA_PLATFORM=offscreen", "STARTUP_PROBE=fail"});
    const auto result = probe.wait(60s);

    ASSERT_TRUE(result.exitStatus.has_value()) << result.standardError;
    EXPECT_NE(*result.exitStatus, 0) << "a run that lost an exception must not end as a success";
    EXPECT_EQ(occurrences(result.standardError, "probe initialiser failed"), 1u) << result.standardError;
    const std::string& out = result.standardOutput;
    EXPECT_EQ(occurrences(out, "finalisers ran\n"), 1u) << out;
    EXPECT_NE(out.find("application: none\n"), std::string::npos) << out;
    EXPECT_NE(out.find("main window: none\n"), std::string::npos) << out;
    // Nothing got as far as declaring the framework version.
    EXPECT_NE(out.find("framework version: 0\n"), std::string::npos) << out;
}

TEST(StartupFailure, WhenTheReportItselfFailsTheEntryStillRunsTheFinalisersAndReturnsAFailureStatus)
{
    ChildProcess probe(STARTUP_PROBE, {}, {"QT_QPA_PLATFORM=offscreen", "STARTUP_PROBE=fail-and-report-fails"});
    const auto result = probe.wait(60s);

    ASSERT_TRUE(result.exitStatus.has_value()) << "the process ended without an exit status (aborted?): "
                                               << result.standardError;
    EXPECT_NE(*result.exitStatus, 0) << "a run that lost an exception must not end as a success";
    EXPECT_EQ(result.standardError.find("probe initialiser failed"), std::string::npos)
        << "standard error refused the report: " << result.standardError;
    EXPECT_EQ(occurrences(result.standardOutput, "finalisers ran\n"), 1u) << result.standardOutput;
}

} // namespace
} // namespace shell_tests
