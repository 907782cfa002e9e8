// Layout records: the property lists that configure a window or control as it is built.
//
// A record is entries back to back, each a property name, one blank and the value in the encoding
// of the property's kind (all numbers little-endian). Records are written as tables of typed
// entries and turned into their exact bytes at compile time:
//
//     inline constexpr auto kRecord = fw::record::encode([] {
//         using namespace fw::record;
//         return std::array{ Text("Name", "Canvas1"), Integer("Index", -2147483648), ... };
//     });
#pragma once

#include <framework/color.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace fw {

enum class PropertyKind { Integer, Enumeration, ByteEnumeration, Boolean, Colour, Single, Double, Text };

// A decoded value: Integer and both enumerations as int64, Boolean as bool, Colour as Color,
// Single as float, Double as double, Text as std::string.
using PropertyValue = std::variant<std::int64_t, bool, Color, float, double, std::string>;

// What a record can be applied to.
class PropertyTarget {
public:
    virtual ~PropertyTarget() = default;
    // The kind with which the target declares the property, compared without regard to case;
    // nullptr when the target has no such property.
    virtual const PropertyKind* propertyKind(std::string_view name) const = 0;
    virtual void setProperty(std::string_view name, PropertyValue value) = 0;
    // Called once after the record's last entry, for settings that need the whole record.
    virtual void recordApplied() {}
};

// Applies the record's entries to the target in record order, passing each name as the record
// spells it; a later entry of the same name wins. Calls recordApplied once the last entry is set,
// also for an empty record. Raises LayoutRecordException, naming the property and a byte offset,
// for a property the target lacks and for a malformed record: a name that is empty, holds a byte
// other than an ASCII letter or is not followed by its blank (offset of the name), a Boolean
// other than 00 or 01, and a value or text running past the record's end (offset of the value).
// Entries before the fault stay set and recordApplied is not called. It never reads outside the
// record.
void SetProperties(PropertyTarget& target, std::span<const std::uint8_t> record);

namespace record {

struct Entry {
    std::string_view name;
    PropertyKind kind;
    std::int64_t integer = 0; // Integer, Enumeration, ByteEnumeration, Boolean, Colour
    double real = 0;          // Single, Double
    std::string_view text = {};
};

constexpr Entry Integer(std::string_view n, std::int64_t v) { return {n, PropertyKind::Integer, v}; }
constexpr Entry Enumeration(std::string_view n, std::int64_t v) { return {n, PropertyKind::Enumeration, v}; }
constexpr Entry ByteEnumeration(std::string_view n, std::uint8_t v) { return {n, PropertyKind::ByteEnumeration, v}; }
constexpr Entry Boolean(std::string_view n, bool v) { return {n, PropertyKind::Boolean, v ? 1 : 0}; }
constexpr Entry Colour(std::string_view n, Color v) { return {n, PropertyKind::Colour, v}; }
constexpr Entry Single(std::string_view n, float v) { return {n, PropertyKind::Single, 0, v}; }
constexpr Entry Double(std::string_view n, double v) { return {n, PropertyKind::Double, 0, v}; }
constexpr Entry Text(std::string_view n, std::string_view v) { return {n, PropertyKind::Text, 0, 0, v}; }

constexpr std::size_t valueSize(const Entry& e)
{
    switch (e.kind) {
    case PropertyKind::Integer:
    case PropertyKind::Enumeration:
    case PropertyKind::Double: return 8;
    case PropertyKind::ByteEnumeration:
    case PropertyKind::Boolean: return 1;
    case PropertyKind::Colour:
    case PropertyKind::Single: return 4;
    case PropertyKind::Text: return 4 + e.text.size();
    }
    return 0;
}

// One list of entries from several, in order: records are written as shared parts and their own.
template <std::size_t... Ns>
constexpr std::array<Entry, (Ns + ...)> join(const std::array<Entry, Ns>&... parts)
{
    std::array<Entry, (Ns + ...)> out{};
    std::size_t at = 0;
    ((std::ranges::copy(parts, out.begin() + static_cast<std::ptrdiff_t>(at)), at += parts.size()), ...);
    return out;
}

template <std::size_t N>
constexpr std::size_t encodedSize(const std::array<Entry, N>& entries)
{
    std::size_t size = 0;
    for (const auto& e : entries)
        size += e.name.size() + 1 + valueSize(e);
    return size;
}

template <std::size_t Size, std::size_t N>
constexpr std::array<std::uint8_t, Size> encodeEntries(const std::array<Entry, N>& entries)
{
    std::array<std::uint8_t, Size> out{};
    std::size_t at = 0;
    auto putLittleEndian = [&](std::uint64_t bits, std::size_t bytes) {
        for (std::size_t i = 0; i < bytes; ++i)
            out[at++] = static_cast<std::uint8_t>(bits >> (8 * i));
    };
    for (const auto& e : entries) {
        for (char ch : e.name)
            out[at++] = static_cast<std::uint8_t>(ch);
        out[at++] = ' ';
        switch (e.kind) {
        case PropertyKind::Integer:
        case PropertyKind::Enumeration: putLittleEndian(static_cast<std::uint64_t>(e.integer), 8); break;
        case PropertyKind::ByteEnumeration:
        case PropertyKind::Boolean: putLittleEndian(static_cast<std::uint64_t>(e.integer), 1); break;
        case PropertyKind::Colour: putLittleEndian(static_cast<std::uint64_t>(e.integer), 4); break;
        case PropertyKind::Single: putLittleEndian(std::bit_cast<std::uint32_t>(static_cast<float>(e.real)), 4); break;
        case PropertyKind::Double: putLittleEndian(std::bit_cast<std::uint64_t>(e.real), 8); break;
        case PropertyKind::Text:
            putLittleEndian(e.text.size(), 4);
            for (char ch : e.text)
                out[at++] = static_cast<std::uint8_t>(ch);
            break;
        }
    }
    return out;
}

// The bytes of the entries a captureless lambda returns, computed at compile time.
template <class EntriesFn>
inline constexpr auto encodedRecord = encodeEntries<encodedSize(EntriesFn{}())>(EntriesFn{}());

// The record's bytes from a captureless lambda that returns its std::array of entries. Not
// consteval: clang 14 crashes on a full-expression with two immediate calls taking lambdas, as
// a table of records has; the constexpr variable above keeps the encoding at compile time.
template <class EntriesFn>
constexpr auto encode(EntriesFn)
{
    return encodedRecord<EntriesFn>;
}

} // namespace record
} // namespace fw
