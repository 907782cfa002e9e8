// The fonts of the program's windows: the same family and size on every desktop.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fw {

// What "System" at size 0 stands for in every control: one family at one pixel size, the largest
// at which every caption and text of the program's windows fits its control. The family's metrics
// are Arial's, so the windows measure the same wherever one of the two is at hand.
inline constexpr std::string_view kSystemFontFamily = "Liberation Sans";
inline constexpr int kSystemFontPixels = 13;

// The family the toolkit draws with when asked for the given one, and a warning when that is not
// the family asked for.
struct FontResolution {
    std::string family;
    std::string warning; // empty when the family itself is installed or registered
};
// The family itself when the toolkit has it; otherwise whatever stands in for "Arial" on this
// system (a metric-compatible font keeps every text fitting), with a warning naming the missing one.
FontResolution ResolveFontFamily(std::string_view family);

// Registers the font files (*.ttf) in the "fonts" folder of each resource folder with the toolkit,
// so that a program can bring the fonts a system lacks; returns the families they hold. Called
// after SetResourceFolders and before the first window.
std::vector<std::string> RegisterResourceFonts();

} // namespace fw
