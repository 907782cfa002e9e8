// What the tests of an installed tree ask of it: where each file lies, and what the program shows
// when it is started from there.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace shell_tests {

class XSession;

// The folders, relative to the prefix, that a tree was configured to install each kind of file in.
struct InstallLayout {
    std::string binaries, data, manual, documents;
};
// The layout of the tree these tests were built in.
InstallLayout configuredLayout();

// The files an install puts under its prefix, relative to it.
std::vector<std::string> installedFiles(const InstallLayout& layout);

struct ShownProgram {
    bool mainWindow = false;
    // The sizes of the main window's icon as the desktop reads them, "WxH" each.
    std::vector<std::string> iconSizes;
    bool aboutWindow = false;
    bool aboutPicture = false; // the About window's picture area shows more than the background
    std::string errors;        // what the program wrote to standard error
};

// Chooses "About ..." from the main window's File menu; the About window's id once it shows.
std::optional<std::string> openAboutFromFileMenu(const XSession& session, const std::string& mainId);
// Whether the About window's picture area shows more than the background within seconds: the
// picture is drawn with the window's first paint.
bool waitForAboutPicture(const XSession& session, const std::string& aboutId);

// Starts the program on a private X server with the extra environment entries ("NAME=value"),
// opens the About window from the File menu and reports what the program showed.
ShownProgram showProgram(const std::filesystem::path& program, const std::vector<std::string>& environment);

} // namespace shell_tests
