// Runs a program as a child process and collects what it wrote and how it ended.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace shell_tests {

struct ChildResult {
    // nullopt when it was ended by a signal (on Windows: an exception) or did not end in time
    std::optional<int> exitStatus;
    std::string standardOutput;
    std::string standardError;
};

class ChildProcess {
public:
    // Starts program with the arguments; environment entries "NAME=value" are added to or replace
    // the test's own. Standard output and error go to temporary files.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                 const std::vector<std::string>& environment = {});
    ~ChildProcess(); // ends the child if it is still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool running();
    // Waits for the end; after the deadline the child is killed and has no exit status.
    ChildResult wait(std::chrono::milliseconds deadline);
    // What the child has written to its standard error so far.
    std::string peekErrors() const;
#ifndef _WIN32
    int pid() const { return pid_; }
#endif

private:
#ifdef _WIN32
    void* process_ = nullptr; // the child's process handle
#else
    int pid_ = -1;
#endif
    std::optional<int> status_;
    bool ended_ = false;
    std::string outFile_, errFile_;
};

// POSIX systems only, for the tests that run there alone:
// the path as one word of a shell command line, whatever characters it holds.
std::string shellQuoted(const std::filesystem::path& path);
// The environment entries for a tool the tests run (an X server, a window manager), followed by
// the given ones: the tools work in C.UTF-8 whatever locale the tests run in, which the programs
// under test keep.
std::vector<std::string> toolEnvironment(const std::vector<std::string>& extra = {});
// Runs a command line through the shell, in the tools' locale, and returns its standard output;
// status in *status.
std::string runCommand(const std::string& commandLine, int* status = nullptr);
// Whether a program of that name is on the PATH.
bool haveTool(const std::string& name);

} // namespace shell_tests
