// Text and numbers: the built-ins the diagram and its controls format and read numbers with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// Formats value with a number mask such as "-##.00" or "-###.00":
// - a leading '-' shows a minus sign for values that are negative after rounding, nothing otherwise;
// - '#' and '0' before the point stand for integer digits; at least one digit is always shown
//   (0.6 gives "0.60"), and an integer part with more digits than the mask keeps all of them;
// - '0' and '#' after the point fix the number of decimals; the last one is rounded half away
//   from zero on the exact value of the double;
// - the decimal separator is always '.', whatever the locale.
std::string Format(double value, std::string_view mask);

// Decimal text of an integer.
std::string Str(std::int64_t value);

// Short human text of a double: at most 7 significant digits ("0.6", "-0.6", "0" for both zeros),
// and more only where needed so that Val(Str(x)) stays strictly inside (-1, 1) whenever x does.
std::string Str(double value);

// Reads the leading number of text (optional blanks, sign, digits, point, exponent), with '.' as
// the separator in every locale. Text without a leading number gives 0; a number too large for a
// double gives the largest finite double of its sign. The result is finite for every text.
double Val(std::string_view text);

// Nearest whole number as a double; halves are rounded away from zero.
double Round(double value);

double Sqrt(double value);
double Abs(double value);

} // namespace fw
