// Applying layout records to a target: order, kinds by name and class, and malformed records.
#include <framework/ascii_case.h>
#include <framework/color.h>
#include <framework/layout_record.h>
#include <framework/runtime.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using fw::PropertyKind;
using fw::PropertyValue;

// A control of one class: declares its properties as the class spells them, finds them without
// regard to case, and keeps every value it is given in order.
class TestControl : public fw::PropertyTarget {
public:
    void declare(std::string_view name, PropertyKind kind)
    {
        declared_.insert_or_assign(fw::asciiLowercase(name), Declared{std::string(name), kind});
    }

    const PropertyKind* propertyKind(std::string_view name) const override
    {
        const auto found = declared_.find(fw::asciiLowercase(name));
        return found == declared_.end() ? nullptr : &found->second.kind;
    }

    void setProperty(std::string_view name, PropertyValue value) override
    {
        applied.emplace_back(std::string(name), value);
        current[declared_.at(fw::asciiLowercase(name)).spelling] = std::move(value);
    }

    void recordApplied() override { ++recordsApplied; }

    std::vector<std::pair<std::string, PropertyValue>> applied; // as spelt in the record
    std::map<std::string, PropertyValue> current;                // under the class's own spelling
    int recordsApplied = 0;

private:
    struct Declared {
        std::string spelling;
        PropertyKind kind;
    };
    std::map<std::string, Declared> declared_;
};

// The properties every control of the tests carries, and `Value` as its class declares it.
TestControl controlOfClass(std::optional<PropertyKind> valueKind)
{
    TestControl control;
    for (const auto& [name, kind] : std::initializer_list<std::pair<std::string_view, PropertyKind>>{
             {"Name", PropertyKind::Text},
             {"Index", PropertyKind::Integer},
             {"Left", PropertyKind::Integer},
             {"Width", PropertyKind::Integer},
             {"Visible", PropertyKind::Boolean},
             {"Transparent", PropertyKind::Boolean},
             {"MultiLine", PropertyKind::Boolean},
             {"TextColor", PropertyKind::Colour},
             {"FontSize", PropertyKind::Single},
             {"FontUnit", PropertyKind::ByteEnumeration},
             {"BorderThickness", PropertyKind::Double},
             {"TextAlignment", PropertyKind::Enumeration},
             {"Caption", PropertyKind::Text},
             {"Tooltip", PropertyKind::Text}})
        control.declare(name, kind);
    if (valueKind)
        control.declare("Value", *valueKind);
    return control;
}

void applyRecord(fw::PropertyTarget& target, const Bytes& record) { fw::SetProperties(target, record); }

template <std::size_t N>
Bytes toBytes(const std::array<std::uint8_t, N>& record)
{
    return Bytes(record.begin(), record.end());
}

Bytes join(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes ascii(std::string_view text) { return Bytes(text.begin(), text.end()); }

using namespace fw::record;

struct DecodeCase {
    const char* name;
    Bytes record;
    const char* property;
    PropertyValue expected;
};

class RecordDecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(RecordDecodeTest, SetsTheValueOfTheDeclaredKind)
{
    TestControl control = controlOfClass(std::nullopt);
    applyRecord(control, GetParam().record);
    ASSERT_EQ(control.applied.size(), 1u) << GetParam().name;
    EXPECT_EQ(control.applied[0].first, GetParam().property) << GetParam().name;
    EXPECT_EQ(control.applied[0].second, GetParam().expected) << GetParam().name;
    EXPECT_EQ(control.recordsApplied, 1) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(ValueKinds, RecordDecodeTest, ::testing::Values(
    DecodeCase{"Index of a control outside any control array stays negative",
               toBytes(encode([] { return std::array{Integer("Index", -2147483648LL)}; })),
               "Index", std::int64_t{-2147483648LL}},
    DecodeCase{"Width 894", toBytes(encode([] { return std::array{Integer("Width", 894)}; })),
               "Width", std::int64_t{894}},
    DecodeCase{"enumeration member", toBytes(encode([] { return std::array{Enumeration("TextAlignment", 2)}; })),
               "TextAlignment", std::int64_t{2}},
    DecodeCase{"byte enumeration above 127 stays unsigned",
               toBytes(encode([] { return std::array{ByteEnumeration("FontUnit", 200)}; })),
               "FontUnit", std::int64_t{200}},
    DecodeCase{"Boolean false", join({ascii("Visible "), {0x00}}), "Visible", false},
    DecodeCase{"Boolean true", join({ascii("Visible "), {0x01}}), "Visible", true},
    DecodeCase{"colour &h00004080 from 80 40 00 00", join({ascii("TextColor "), {0x80, 0x40, 0x00, 0x00}}),
               "TextColor", fw::Color{0x00004080}},
    DecodeCase{"FontSize 12.0", join({ascii("FontSize "), {0x00, 0x00, 0x40, 0x41}}), "FontSize", 12.0f},
    DecodeCase{"FontSize 0.0", join({ascii("FontSize "), {0x00, 0x00, 0x00, 0x00}}), "FontSize", 0.0f},
    DecodeCase{"BorderThickness 1.0",
               join({ascii("BorderThickness "), {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F}}),
               "BorderThickness", 1.0},
    DecodeCase{"a text holding zero bytes and CR LF CR LF keeps every byte",
               join({ascii("Caption "), {0x06, 0x00, 0x00, 0x00, 'a', 0x0D, 0x0A, 0x0D, 0x0A, 0x00}}),
               "Caption", std::string("a\r\n\r\n\0", 6)},
    DecodeCase{"a name in other letter case finds the declared property",
               join({ascii("Multiline "), {0x01}}), "Multiline", true}));

TEST(RecordReader, AppliesEntriesInOrderAndTheLaterOfTwoWins)
{
    constexpr auto record = encode([] {
        return std::array{Text("Name", "Canvas1"), Integer("Index", -2147483648LL), Boolean("Transparent", false),
                          Text("Tooltip", ""), Boolean("Transparent", true), Integer("Left", 33)};
    });
    TestControl control = controlOfClass(std::nullopt);
    fw::SetProperties(control, record);

    const std::vector<std::pair<std::string, PropertyValue>> expected = {
        {"Name", std::string("Canvas1")}, {"Index", std::int64_t{-2147483648LL}}, {"Transparent", false},
        {"Tooltip", std::string()},       {"Transparent", true},                  {"Left", std::int64_t{33}}};
    EXPECT_EQ(control.applied, expected);
    EXPECT_EQ(control.current.at("Transparent"), PropertyValue(true));
    EXPECT_EQ(control.recordsApplied, 1);
}

TEST(RecordReader, MultilineSetsTheDeclaredMultiLine)
{
    TestControl label = controlOfClass(std::nullopt);
    applyRecord(label, join({ascii("Multiline "), {0x01}}));
    EXPECT_EQ(label.current.at("MultiLine"), PropertyValue(true));
}

// The same entry `Value` is as wide as the target's class declares it.
struct ValueCase {
    const char* name;
    PropertyKind valueKind;
    Bytes record;
    PropertyValue expected;
};

class RecordValueByClassTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(RecordValueByClassTest, ReadsValueByTheTargetsClass)
{
    TestControl control = controlOfClass(GetParam().valueKind);
    applyRecord(control, GetParam().record);
    ASSERT_EQ(control.applied.size(), 2u) << GetParam().name;
    EXPECT_EQ(control.applied[0].second, GetParam().expected) << GetParam().name;
    EXPECT_EQ(control.applied[1], (std::pair<std::string, PropertyValue>{"Name", std::string("X")}))
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Classes, RecordValueByClassTest, ::testing::Values(
    ValueCase{"slider, time slider at 572", PropertyKind::Integer,
              toBytes(encode([] { return std::array{Integer("Value", 572), Text("Name", "X")}; })),
              std::int64_t{572}},
    ValueCase{"check box, checked", PropertyKind::Boolean,
              toBytes(encode([] { return std::array{Boolean("Value", true), Text("Name", "X")}; })), true},
    ValueCase{"text field, start speed", PropertyKind::Text,
              toBytes(encode([] { return std::array{Text("Value", "0.6"), Text("Name", "X")}; })),
              std::string("0.6")}));

TEST(RecordReader, EmptyRecordSetsNothingAndIsStillApplied)
{
    TestControl control = controlOfClass(std::nullopt);
    applyRecord(control, {});
    EXPECT_TRUE(control.applied.empty());
    EXPECT_EQ(control.recordsApplied, 1);
}

struct MalformedCase {
    const char* name;
    Bytes record;
    const char* property;
    std::size_t offset;
    std::size_t appliedBefore; // entries set before the fault
};

class RecordMalformedTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(RecordMalformedTest, RaisesNamingThePropertyAndOffset)
{
    const MalformedCase& c = GetParam();
    TestControl control = controlOfClass(std::nullopt);
    try {
        applyRecord(control, c.record);
        ADD_FAILURE() << c.name << ": no exception";
    } catch (const fw::LayoutRecordException& e) {
        EXPECT_EQ(e.property(), c.property) << c.name;
        EXPECT_EQ(e.offset(), c.offset) << c.name;
        EXPECT_NE(std::string(e.what()).find(std::to_string(c.offset)), std::string::npos) << e.what();
    }
    EXPECT_EQ(control.applied.size(), c.appliedBefore) << c.name;
    EXPECT_EQ(control.recordsApplied, 0) << c.name;
}

const Bytes kWidth894 = join({ascii("Width "), {0x7E, 0x03, 0, 0, 0, 0, 0, 0}}); // 14 bytes

INSTANTIATE_TEST_SUITE_P(Records, RecordMalformedTest, ::testing::Values(
    MalformedCase{"text length one past the end", join({ascii("Name "), {0x08, 0, 0, 0}, ascii("Canvas1")}),
                  "Name", 5, 0},
    MalformedCase{"text length of four gigabytes", join({ascii("Name "), {0xFF, 0xFF, 0xFF, 0xFF}, ascii("C")}),
                  "Name", 5, 0},
    MalformedCase{"record ends inside a text length", join({ascii("Name "), {0x07, 0x00}}), "Name", 5, 0},
    MalformedCase{"name at the end without its blank", ascii("Width"), "Width", 0, 0},
    MalformedCase{"name without blank after a good entry", join({kWidth894, ascii("Left")}), "Left", 14, 1},
    MalformedCase{"record ends after the blank", join({kWidth894, ascii("Left ")}), "Left", 19, 1},
    MalformedCase{"integer cut after three bytes", join({ascii("Width "), {0x7E, 0x03, 0x00}}), "Width", 6, 0},
    MalformedCase{"Boolean byte 02", join({ascii("Visible "), {0x02}}), "Visible", 8, 0},
    MalformedCase{"Boolean byte FF after a good entry", join({kWidth894, ascii("Visible "), {0xFF}}),
                  "Visible", 22, 1},
    MalformedCase{"property the target lacks", join({kWidth894, ascii("HasCloseButton "), {0x01}}),
                  "HasCloseButton", 14, 1},
    MalformedCase{"Value on a class without a value", join({ascii("Value "), {0x01}}), "Value", 0, 0},
    MalformedCase{"entry begins with the blank", join({ascii(" Width "), {0, 0, 0, 0, 0, 0, 0, 0}}), "", 0, 0},
    MalformedCase{"digit inside a name", join({ascii("Wid7th "), {0x01}}), "Wid", 0, 0},
    MalformedCase{"zero byte in place of the blank", join({ascii("Width"), {0x00}}), "Width", 0, 0}));

// Every cut of a well-formed record either falls between entries and applies the entries before
// it, or raises. The bytes after the cut are valid, so a reader that looked past the record's end
// would apply more instead of raising.
TEST(RecordReader, NeverReadsPastTheRecordsEnd)
{
    constexpr auto record = encode([] {
        return std::array{Text("Name", "Canvas1"), Integer("Index", -2147483648LL), Boolean("Visible", true),
                          Colour("TextColor", fw::RGB(0, 0x40, 0x80)), Single("FontSize", 12.0f),
                          Double("BorderThickness", 1.0), ByteEnumeration("FontUnit", 0), Text("Tooltip", "")};
    });
    const std::vector<std::size_t> entryEnds = {16, 30, 39, 53, 66, 90, 100, 112};
    ASSERT_EQ(entryEnds.back(), record.size());

    for (std::size_t cut = 0; cut <= record.size(); ++cut) {
        TestControl control = controlOfClass(std::nullopt);
        const std::span<const std::uint8_t> part(record.data(), cut);
        const auto entriesBefore = static_cast<std::size_t>(
            std::upper_bound(entryEnds.begin(), entryEnds.end(), cut) - entryEnds.begin());
        const bool betweenEntries = cut == 0 || std::binary_search(entryEnds.begin(), entryEnds.end(), cut);
        if (betweenEntries) {
            EXPECT_NO_THROW(fw::SetProperties(control, part)) << "cut at " << cut;
            EXPECT_EQ(control.recordsApplied, 1) << "cut at " << cut;
        } else {
            EXPECT_THROW(fw::SetProperties(control, part), fw::LayoutRecordException) << "cut at " << cut;
            EXPECT_EQ(control.recordsApplied, 0) << "cut at " << cut;
        }
        EXPECT_EQ(control.applied.size(), entriesBefore) << "cut at " << cut;
    }
}

} // namespace
