// The bytes of layout records as the window and control tables are turned into them.
#include <framework/color.h>
#include <framework/layout_record.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

template <std::size_t N>
Bytes toBytes(const std::array<std::uint8_t, N>& record)
{
    return Bytes(record.begin(), record.end());
}

// A name with its blank, or any other ASCII text, as bytes.
Bytes ascii(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes join(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct BytesCase {
    const char* name;
    Bytes encoded;
    Bytes expected;
};

class RecordBytesTest : public ::testing::TestWithParam<BytesCase> {};

TEST_P(RecordBytesTest, MatchesTheRecordFormat)
{
    EXPECT_EQ(GetParam().encoded, GetParam().expected) << GetParam().name;
}

using namespace fw::record;

// The byte examples of the record format, value by value.
INSTANTIATE_TEST_SUITE_P(ValueKinds, RecordBytesTest, ::testing::Values(
    BytesCase{"Width 894",
              toBytes(encode([] { return std::array{Integer("Width", 894)}; })),
              join({ascii("Width "), {0x7E, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}})},
    BytesCase{"Index -2147483648 is a negative 64-bit number",
              toBytes(encode([] { return std::array{Integer("Index", -2147483648LL)}; })),
              join({ascii("Index "), {0x00, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF}})},
    BytesCase{"DefaultLocation 2",
              toBytes(encode([] { return std::array{Enumeration("DefaultLocation", 2)}; })),
              join({ascii("DefaultLocation "), {0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}})},
    BytesCase{"FontUnit 0 in one byte",
              toBytes(encode([] { return std::array{ByteEnumeration("FontUnit", 0)}; })),
              join({ascii("FontUnit "), {0x00}})},
    BytesCase{"HasCloseButton true",
              toBytes(encode([] { return std::array{Boolean("HasCloseButton", true)}; })),
              join({ascii("HasCloseButton "), {0x01}})},
    BytesCase{"colour &h00004080 runs blue, green, red, 00",
              toBytes(encode([] { return std::array{Colour("TextColor", fw::RGB(0x00, 0x40, 0x80))}; })),
              join({ascii("TextColor "), {0x80, 0x40, 0x00, 0x00}})},
    BytesCase{"white background",
              toBytes(encode([] { return std::array{Colour("BackgroundColor", fw::RGB(255, 255, 255))}; })),
              join({ascii("BackgroundColor "), {0xFF, 0xFF, 0xFF, 0x00}})},
    BytesCase{"FontSize 12.0 as binary32",
              toBytes(encode([] { return std::array{Single("FontSize", 12.0f)}; })),
              join({ascii("FontSize "), {0x00, 0x00, 0x40, 0x41}})},
    BytesCase{"FontSize 0.0 as four zero bytes",
              toBytes(encode([] { return std::array{Single("FontSize", 0.0f)}; })),
              join({ascii("FontSize "), {0x00, 0x00, 0x00, 0x00}})},
    BytesCase{"BorderThickness 1.0 as binary64",
              toBytes(encode([] { return std::array{Double("BorderThickness", 1.0)}; })),
              join({ascii("BorderThickness "), {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F}})},
    BytesCase{"window title",
              toBytes(encode([] { return std::array{Text("Title", "Tovalin Diagram")}; })),
              join({ascii("Title "), {0x0F, 0x00, 0x00, 0x00}, ascii("Tovalin Diagram")})}));

INSTANTIATE_TEST_SUITE_P(Texts, RecordBytesTest, ::testing::Values(
    BytesCase{"empty tooltip, the next name at once",
              toBytes(encode([] { return std::array{Text("Tooltip", ""), Boolean("Enabled", true)}; })),
              join({ascii("Tooltip "), {0x00, 0x00, 0x00, 0x00}, ascii("Enabled "), {0x01}})},
    BytesCase{"an empty line inside a text keeps CR LF CR LF",
              toBytes(encode([] { return std::array{Text("Caption", "a\r\n\r\nb")}; })),
              join({ascii("Caption "), {0x06, 0x00, 0x00, 0x00, 'a', 0x0D, 0x0A, 0x0D, 0x0A, 'b'}})},
    BytesCase{"a text in UTF-8 counts bytes, not characters",
              toBytes(encode([] { return std::array{Text("Caption", "\xC2\xB5s")}; })),
              join({ascii("Caption "), {0x03, 0x00, 0x00, 0x00, 0xC2, 0xB5, 's'}})}));

TEST(RecordBytes, FirstThreeEntriesOfTheCanvasRecord)
{
    constexpr auto record = encode([] {
        return std::array{Text("Name", "Canvas1"), Integer("Index", -2147483648LL), Integer("Left", 33)};
    });
    const Bytes expected = {
        0x4E, 0x61, 0x6D, 0x65, 0x20,                                     // "Name "
        0x07, 0x00, 0x00, 0x00, 0x43, 0x61, 0x6E, 0x76, 0x61, 0x73, 0x31, // "Canvas1"
        0x49, 0x6E, 0x64, 0x65, 0x78, 0x20,                               // "Index "
        0x00, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF,                   // -2147483648
        0x4C, 0x65, 0x66, 0x74, 0x20,                                     // "Left "
        0x21, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,                   // 33
    };
    static_assert(record.size() == 43, "the record's length is known at compile time");
    EXPECT_EQ(toBytes(record), expected);
}

} // namespace
