// Child processes for the tests that run whole programs, on Windows.
#include "child_process.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#define WIN32_LEAN_AND_MEAN
#define NOGDI
#ifndef NOMINMAX // libstdc++ defines it for mingw-w64
#define NOMINMAX
#endif
#include <windows.h>

namespace shell_tests {

namespace {

std::string temporaryFile(const char* stem)
{
    std::random_device random;
    const auto file = std::filesystem::temp_directory_path() / (std::string(stem) + "-" + std::to_string(random()));
    std::ofstream{file};
    return file.string();
}

// In text mode, as the child wrote it: its line ends "\r\n" read as "\n".
std::string readAll(const std::string& file)
{
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::wstring wide(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), length);
    return text;
}

// One argument as the C runtime's start-up splits the command line: quoted, with the backslashes
// before a quote, and before the closing quote, doubled.
void appendQuoted(std::wstring& commandLine, const std::wstring& argument)
{
    commandLine += L'"';
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        commandLine.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        commandLine += c;
    }
    commandLine.append(2 * backslashes, L'\\');
    commandLine += L'"';
}

// The test's environment with the entries added or replaced, as the block CreateProcessW takes.
std::wstring environmentBlock(const std::vector<std::string>& extra)
{
    std::vector<std::wstring> entries;
    for (const auto& e : extra)
        entries.push_back(wide(e));
    auto nameOf = [](const std::wstring& entry) { return entry.substr(0, entry.find(L'=', 1)); };
    wchar_t* current = GetEnvironmentStringsW();
    for (const wchar_t* entry = current; *entry; entry += wcslen(entry) + 1) {
        const std::wstring text = entry;
        bool replaced = false;
        for (const auto& e : entries)
            replaced = replaced || CompareStringOrdinal(nameOf(e).c_str(), -1, nameOf(text).c_str(), -1, TRUE) == CSTR_EQUAL;
        if (!replaced)
            entries.push_back(text);
    }
    FreeEnvironmentStringsW(current);
    std::wstring block;
    for (const auto& e : entries)
        block += e + L'\0';
    return block + L'\0';
}

HANDLE inheritableFile(const std::wstring& name, DWORD access, DWORD disposition)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(name.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment)
    : outFile_(temporaryFile("shell-test-out")), errFile_(temporaryFile("shell-test-err"))
{
    std::wstring commandLine;
    appendQuoted(commandLine, wide(program));
    for (const auto& a : arguments) {
        commandLine += L' ';
        appendQuoted(commandLine, wide(a));
    }
    std::wstring block = environmentBlock(environment);

    HANDLE input = inheritableFile(L"NUL", GENERIC_READ, OPEN_EXISTING);
    HANDLE output = inheritableFile(wide(outFile_), GENERIC_WRITE, CREATE_ALWAYS);
    HANDLE errors = inheritableFile(wide(errFile_), GENERIC_WRITE, CREATE_ALWAYS);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = output;
    startup.hStdError = errors;
    PROCESS_INFORMATION started{};
    const BOOL ok = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                                   block.data(), nullptr, &startup, &started);
    for (HANDLE h : {input, output, errors})
        CloseHandle(h);
    if (!ok)
        throw std::runtime_error("cannot start " + program);
    CloseHandle(started.hThread);
    process_ = started.hProcess;
}

ChildProcess::~ChildProcess()
{
    if (running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, INFINITE);
    }
    CloseHandle(process_);
    std::filesystem::remove(outFile_);
    std::filesystem::remove(errFile_);
}

bool ChildProcess::running()
{
    if (ended_)
        return false;
    if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0)
        return true;
    ended_ = true;
    DWORD code = 0;
    // An exception that ends the process leaves its code, 0xC0000005 and the like, as the status.
    if (GetExitCodeProcess(process_, &code) && code < 0xC0000000)
        status_ = static_cast<int>(code);
    return false;
}

ChildResult ChildProcess::wait(std::chrono::milliseconds deadline)
{
    WaitForSingleObject(process_, static_cast<DWORD>(deadline.count()));
    if (running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, INFINITE);
        ended_ = true;
    }
    return {status_, readAll(outFile_), readAll(errFile_)};
}

std::string ChildProcess::peekErrors() const
{
    return readAll(errFile_);
}

} // namespace shell_tests
