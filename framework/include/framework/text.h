// Text and numbers: the built-ins the diagram and its controls format and read numbers with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// Formats value with a number mask such as "-##.00" or "-###.00":
// - the number field is the first run of '#', '0' and at most one '.'; the other characters of the
//   mask stand as they are, except '-', which shows a minus sign for values that are negative
//   after rounding and nothing otherwise (-0.001 gives "0.00"); a mask without '-' shows no sign;
// - '#' and '0' before the point stand for integer digits; at least one digit is always shown
//   (0.6 gives "0.60"), the places from the first '0' to the point are always filled ("00.0"
//   gives "05.0"), and an integer part with more digits than the mask keeps all of them;
// - '0' and '#' after the point fix the number of decimals; the last one is rounded half away
//   from zero on the exact value of the double (0.125 gives "0.13", 2.675, stored just below
//   the half, gives "2.67");
// - the decimal separator is always '.', whatever the locale;
// - NaN and the infinities give "nan", "inf" and "-inf", whatever the mask.
std::string Format(double value, std::string_view mask);

// Decimal text of an integer.
std::string Str(std::int64_t value);

// Short human text of a double: at most 7 significant digits without trailing zeros ("0.6",
// "-0.6", "0" for both zeros), in exponent form ("1.234568e+07", "1e-05") when the decimal
// exponent after rounding is below -4 or above 6; and more digits only where needed so that
// Val(Str(x)) stays strictly inside (-1, 1) whenever x does (0.99999996 gives "0.99999996", not
// "1"). NaN and the infinities give "nan", "inf" and "-inf".
std::string Str(double value);

// Reads the longest leading number of text: blanks (spaces and tabs), an optional sign, digits
// with an optional '.', at least one digit in all, and an optional exponent (e or E, an optional
// sign, at least one digit); '.' is the separator in every locale. Text without a leading number
// gives 0 ("", "-", ".", "nan", "inf"); a number too large for a double gives the largest finite
// double of its sign, one too small gives 0 or the nearest subnormal. The result is finite for
// every text, and the time is linear in the length of the text.
double Val(std::string_view text);

// Nearest whole number as a double; halves are rounded away from zero, judged on the exact value
// (the largest double below 0.5 gives 0) the same on every platform. NaN and the infinities stay.
double Round(double value);

double Sqrt(double value);
double Abs(double value);

} // namespace fw
