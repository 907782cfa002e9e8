// Names compared without regard to case (properties, font families, file endings): only the ASCII
// letters fold, so that a name compares the same in every locale. The C library's tolower follows
// the locale the toolkit sets at start-up, and in Turkish 'I' is not the capital of 'i'.
#pragma once

#include <string>
#include <string_view>

namespace fw {

// The text with 'A' to 'Z' made 'a' to 'z'; every other byte as it is.
std::string asciiLowercase(std::string_view text);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace fw
