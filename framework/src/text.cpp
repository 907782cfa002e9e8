// Number texts: masks, short decimal texts and reading numbers, the same in every locale.
#include <framework/text.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace fw {
namespace {

std::string nonFiniteText(double value)
{
    if (std::isnan(value))
        return "nan";
    return value < 0 ? "-inf" : "inf";
}

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool isPlaceholder(char ch) { return ch == '#' || ch == '0' || ch == '.'; }

// The number field of a mask: its placeholders, where it stands, and what it asks for.
struct NumberField {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t minIntegerDigits = 0; // the places from the first '0' up to the point
    std::size_t decimals = 0;
    bool hasPoint = false;
};

NumberField findNumberField(std::string_view mask)
{
    NumberField field;
    field.begin = std::find_if(mask.begin(), mask.end(), isPlaceholder) - mask.begin();
    field.end = field.begin;
    bool seenZero = false;
    for (; field.end < mask.size() && isPlaceholder(mask[field.end]); ++field.end) {
        const char ch = mask[field.end];
        if (ch == '.') {
            if (field.hasPoint)
                break; // a second point is no longer part of the number
            field.hasPoint = true;
        } else if (field.hasPoint) {
            ++field.decimals;
        } else {
            seenZero = seenZero || ch == '0';
            if (seenZero)
                ++field.minIntegerDigits;
        }
    }
    return field;
}

// The magnitude of value rounded to the given decimals, half away from zero on the exact binary
// value, as its integer digits and its decimals.
struct RoundedDigits {
    std::string integer;
    std::string fraction;
};

RoundedDigits roundExactly(double magnitude, std::size_t decimals)
{
    // magnitude = f * 2^exponent with a 53-bit f, so it has at most 53 - exponent decimals: asking
    // for that many makes the text exact and the rounding below sees the true remainder.
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const std::size_t exactDecimals = static_cast<std::size_t>(std::max(0, 53 - exponent));
    const std::size_t precision = std::max(decimals + 1, exactDecimals);
    std::string text(precision + std::numeric_limits<double>::max_exponent10 + 8, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                      std::chars_format::fixed, static_cast<int>(precision));
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));

    const std::size_t point = text.find('.');
    std::string digits = text.substr(0, point) + text.substr(point + 1, decimals);
    if (text[point + 1 + decimals] >= '5') {
        std::size_t at = digits.size();
        while (at > 0 && digits[at - 1] == '9')
            digits[--at] = '0';
        if (at == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[at - 1];
    }
    const std::size_t integerLength = digits.size() - decimals;
    return {digits.substr(0, integerLength), digits.substr(integerLength)};
}

} // namespace

std::string Format(double value, std::string_view mask)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);

    const NumberField field = findNumberField(mask);
    RoundedDigits rounded = roundExactly(std::fabs(value), field.decimals);
    const bool negative = std::signbit(value)
        && (rounded.integer.find_first_not_of('0') != std::string::npos
            || rounded.fraction.find_first_not_of('0') != std::string::npos);

    std::string& integer = rounded.integer;
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    const std::size_t wanted = std::max<std::size_t>(field.minIntegerDigits, 1);
    if (integer.size() < wanted)
        integer.insert(0, wanted - integer.size(), '0');

    std::string number = integer;
    if (field.hasPoint)
        number += '.' + rounded.fraction;

    std::string out;
    for (std::size_t i = 0; i < field.begin; ++i) {
        if (mask[i] != '-')
            out += mask[i];
        else if (negative)
            out += '-';
    }
    out += number;
    for (std::size_t i = field.end; i < mask.size(); ++i) {
        if (mask[i] != '-')
            out += mask[i];
        else if (negative)
            out += '-';
    }
    return out;
}

std::string Str(std::int64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Str(double value)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0)
        return "0";

    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text(buffer, result.ptr);
    // 0.99999996 has the seven digits "1": such a text would read back as a speed of light.
    if (std::fabs(value) < 1 && std::fabs(Val(text)) >= 1) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value);
        text.assign(buffer, result.ptr);
    }
    return text;
}

double Val(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';

    const std::size_t numberBegin = at;
    const std::size_t integerBegin = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    const std::size_t integerEnd = at;
    std::size_t fractionBegin = at;
    std::size_t fractionEnd = at;
    if (at < text.size() && text[at] == '.') {
        fractionBegin = ++at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        fractionEnd = at;
    }
    const bool hasMantissa = integerEnd > integerBegin || fractionEnd > fractionBegin;
    const double zero = negative ? -0.0 : 0.0;
    if (!hasMantissa)
        return zero;

    // The exponent counts only with at least one digit; its size is kept to a bound far beyond any
    // double so that a long run of digits cannot overflow it.
    constexpr std::int64_t exponentBound = 1'000'000'000;
    std::int64_t exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t e = at + 1;
        bool exponentNegative = false;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            exponentNegative = text[e++] == '-';
        if (e < text.size() && isDigit(text[e])) {
            while (e < text.size() && isDigit(text[e])) {
                exponent = std::min(exponentBound, exponent * 10 + (text[e] - '0'));
                ++e;
            }
            if (exponentNegative)
                exponent = -exponent;
            at = e;
        }
    }

    double magnitude = 0;
    const auto result = std::from_chars(text.data() + numberBegin, text.data() + at, magnitude,
                                        std::chars_format::general);
    if (result.ec == std::errc() && std::isfinite(magnitude))
        return negative ? -magnitude : magnitude;

    // Out of range: the decimal exponent of the leading digit tells overflow from underflow.
    std::int64_t leadingExponent = 0;
    const std::string_view integer = text.substr(integerBegin, integerEnd - integerBegin);
    const std::string_view fraction = text.substr(fractionBegin, fractionEnd - fractionBegin);
    if (const std::size_t first = integer.find_first_not_of('0'); first != std::string_view::npos) {
        leadingExponent = static_cast<std::int64_t>(integer.size() - first) - 1;
    } else if (const std::size_t firstDecimal = fraction.find_first_not_of('0');
               firstDecimal != std::string_view::npos) {
        leadingExponent = -static_cast<std::int64_t>(firstDecimal) - 1;
    } else {
        return zero;
    }
    if (leadingExponent + exponent < 0)
        return zero;
    const double largest = std::numeric_limits<double>::max();
    return negative ? -largest : largest;
}

double Round(double value)
{
    // Not std::round: mingw-w64's adds a half and floors, which turns the largest double below a
    // half into 1. The fraction split off here is exact, and so is its comparison with a half.
    if (!(std::fabs(value) < 0x1p52))
        return value; // whole already, or not a number
    const double whole = static_cast<double>(static_cast<std::int64_t>(value)); // towards zero
    const double fraction = value - whole;
    if (fraction >= 0.5)
        return whole + 1;
    if (fraction <= -0.5)
        return whole - 1;
    return std::copysign(whole, value); // -0.4 gives -0, as std::round does
}

double Sqrt(double value) { return std::sqrt(value); }

double Abs(double value) { return std::fabs(value); }

} // namespace fw
