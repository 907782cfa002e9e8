// Where the program's resources lie, in the build tree and installed, and its name to the desktop.
#include <shell/program_identity.h>

#include "installed_folders.h"

#include <framework/application.h>
#include <framework/fonts.h>
#include <framework/picture.h>

namespace shell {

namespace {

// The name of the executable, of the desktop entry and of the icon in the icon theme.
constexpr const char* kProgramName = "tovalin-diagram";

} // namespace

void SetUpProgramIdentity()
{
    // The build tree keeps the resources in "resources" beside the executable; an installed tree
    // keeps them in its data folder, reached from the executable's folder wherever the tree lies.
    fw::SetResourceFolders({"resources", kInstalledResourceFolder});
    // Where the system lacks the windows' font (on Windows), the program brings it along.
    fw::RegisterResourceFonts();
    fw::runtime::SetDesktopIdentity(kProgramName, kProgramName);
}

} // namespace shell
