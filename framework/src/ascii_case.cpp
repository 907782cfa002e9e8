// Case folding of ASCII letters alone, the same in every locale.
#include <framework/ascii_case.h>

#include <algorithm>

namespace fw {

namespace {

char lowercaseLetter(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string asciiLowercase(std::string_view text)
{
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), lowercaseLetter);
    return lower;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return lowercaseLetter(x) == lowercaseLetter(y); });
}

} // namespace fw
