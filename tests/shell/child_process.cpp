// Child processes for the tests that run whole programs.
#include "child_process.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace shell_tests {

namespace {

// Tools fold their own words' case through the locale: in a Turkish one, ImageMagick capitalises
// "ico" to "iCO" and knows the format no more. C.UTF-8 is in every glibc; an empty LANGUAGE is
// not heeded.
const std::vector<std::string> kToolLocale = {"LC_ALL=C.UTF-8", "LANGUAGE="};

std::string temporaryFile(const char* stem)
{
    std::string name = std::string("/tmp/") + stem + "-XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0)
        throw std::runtime_error("cannot make a temporary file");
    close(fd);
    return name;
}

std::string readAll(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> mergedEnvironment(const std::vector<std::string>& extra)
{
    std::vector<std::string> merged;
    for (char** entry = environ; *entry; ++entry) {
        const std::string current = *entry;
        const std::string name = current.substr(0, current.find('='));
        bool replaced = false;
        for (const auto& e : extra)
            replaced = replaced || e.substr(0, e.find('=')) == name;
        if (!replaced)
            merged.push_back(current);
    }
    merged.insert(merged.end(), extra.begin(), extra.end());
    return merged;
}

} // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment)
    : outFile_(temporaryFile("shell-test-out")), errFile_(temporaryFile("shell-test-err"))
{
    std::vector<std::string> argStrings{program};
    argStrings.insert(argStrings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& a : argStrings)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    auto envStrings = mergedEnvironment(environment);
    std::vector<char*> envp;
    for (auto& e : envStrings)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outFile_.c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errFile_.c_str(), O_WRONLY | O_TRUNC, 0);
    const int failed = posix_spawnp(&pid_, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        throw std::runtime_error("cannot start " + program);
}

ChildProcess::~ChildProcess()
{
    // Asked first, so that an X server removes its socket and lock file; killed if it lingers.
    if (!ended_) {
        kill(pid_, SIGTERM);
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (running() && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!ended_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    std::remove(outFile_.c_str());
    std::remove(errFile_.c_str());
}

bool ChildProcess::running()
{
    if (ended_)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        ended_ = true;
        if (WIFEXITED(status))
            status_ = WEXITSTATUS(status);
        return false;
    }
    return true;
}

ChildResult ChildProcess::wait(std::chrono::milliseconds deadline)
{
    const auto until = std::chrono::steady_clock::now() + deadline;
    while (running() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        ended_ = true;
    }
    return {status_, readAll(outFile_), readAll(errFile_)};
}

std::string ChildProcess::peekErrors() const
{
    return readAll(errFile_);
}

std::string shellQuoted(const std::filesystem::path& path)
{
    // In single quotes nothing is special but the quote itself, which closes, is escaped and reopens.
    std::string word(1, '\'');
    for (const char c : path.string()) {
        if (c == '\'')
            word += "'\\''";
        else
            word += c;
    }
    word += '\'';
    return word;
}

std::vector<std::string> toolEnvironment(const std::vector<std::string>& extra)
{
    auto environment = kToolLocale;
    environment.insert(environment.end(), extra.begin(), extra.end());
    return environment;
}

std::string runCommand(const std::string& commandLine, int* status)
{
    // Exported ahead of the whole line, so that every command of a pipeline or list has them.
    std::string line;
    for (const auto& entry : kToolLocale)
        line += "export " + entry + "; ";
    line += commandLine;
    std::string output;
    FILE* pipe = popen(line.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run " + commandLine);
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, n);
    const int result = pclose(pipe);
    if (status)
        *status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    return output;
}

bool haveTool(const std::string& name)
{
    int status = 0;
    runCommand("command -v '" + name + "' >/dev/null 2>&1", &status);
    return status == 0;
}

} // namespace shell_tests
