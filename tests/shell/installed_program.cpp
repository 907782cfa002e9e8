// An installed program under Xvfb: its window, its icon and its About picture.
#include "installed_program.h"

#include "child_process.h"
#include "x_session.h"

#include <cstdlib>
#include <regex>

namespace shell_tests {

namespace {

using namespace std::chrono_literals;

// _NET_WM_ICON is a list of images, each its width and height followed by its pixels.
std::vector<std::string> iconSizes(const XSession& session, const std::string& windowId)
{
    const auto text = runCommand("DISPLAY=" + session.display() + " xprop -id " + windowId
                                 + " -f _NET_WM_ICON 32c _NET_WM_ICON 2>&1");
    const auto values = text.find('=');
    if (values == std::string::npos)
        return {};
    std::vector<unsigned long long> numbers;
    const std::regex number(R"(\d+)");
    for (auto it = std::sregex_iterator(text.begin() + static_cast<std::ptrdiff_t>(values), text.end(), number);
         it != std::sregex_iterator(); ++it)
        numbers.push_back(std::stoull(it->str()));
    std::vector<std::string> sizes;
    for (std::size_t at = 0; at + 1 < numbers.size(); at += 2 + numbers[at] * numbers[at + 1])
        sizes.push_back(std::to_string(numbers[at]) + "x" + std::to_string(numbers[at + 1]));
    return sizes;
}

// The picture lies at 304, 36 below the menu bar, 194 by 251: a square well inside it holds one
// colour, the window's background, unless the picture is drawn there.
bool showsAboutPicture(const XSession& session, const std::string& windowId)
{
    const auto colours = runCommand("DISPLAY=" + session.display() + " import -window " + windowId
                                    + " png:- | convert png:- -crop 150x150+326+100 +repage -format %k info: 2>&1");
    return std::atoi(colours.c_str()) > 1;
}

} // namespace

bool waitForAboutPicture(const XSession& session, const std::string& aboutId)
{
    return waitUntil([&] { return showsAboutPicture(session, aboutId); }, 10s);
}

std::optional<std::string> openAboutFromFileMenu(const XSession& session, const std::string& mainId)
{
    // "About ..." is the File menu's first item.
    if (!session.chooseFromMenu(mainId, "alt+f", "Return"))
        return std::nullopt;
    return session.waitForWindow("about Tovalin", 20s);
}

InstallLayout configuredLayout()
{
    return {TOVALIN_INSTALL_BINDIR, TOVALIN_INSTALL_DATADIR, TOVALIN_INSTALL_MANDIR, TOVALIN_INSTALL_DOCDIR};
}

std::vector<std::string> installedFiles(const InstallLayout& layout)
{
    const auto& data = layout.data;
    std::vector<std::string> files = {
        layout.binaries + "/tovalin-diagram",
        data + "/tovalin-diagram/Vumo2020.jpg",
        data + "/tovalin-diagram/tovalin-diagram.png",
        data + "/applications/tovalin-diagram.desktop",
        data + "/metainfo/example.tovalin.diagram.metainfo.xml",
        layout.manual + "/man1/tovalin-diagram.1.gz",
        layout.documents + "/copyright",
        layout.documents + "/changelog.gz",
    };
    for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"})
        files.push_back(data + "/icons/hicolor/" + size + "/apps/tovalin-diagram.png");
    return files;
}

ShownProgram showProgram(const std::filesystem::path& program, const std::vector<std::string>& environment)
{
    XSession session;
    auto fullEnvironment = session.environment();
    fullEnvironment.insert(fullEnvironment.end(), environment.begin(), environment.end());
    ChildProcess child(program.string(), {}, fullEnvironment);

    ShownProgram shown;
    const auto main = session.waitForWindow("Tovalin Diagram", 30s);
    shown.mainWindow = main.has_value();
    if (main) {
        shown.iconSizes = iconSizes(session, *main);
        const auto about = openAboutFromFileMenu(session, *main);
        shown.aboutWindow = about.has_value();
        shown.aboutPicture = about && waitForAboutPicture(session, *about);
    }
    shown.errors = child.peekErrors();
    return shown;
}

} // namespace shell_tests
