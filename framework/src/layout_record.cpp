// Applying layout records: names, then values decoded by the kind the target declares.
#include <framework/layout_record.h>
#include <framework/runtime.h>

#include <bit>
#include <cstddef>
#include <cstdio>
#include <string>
#include <utility>

namespace fw {
namespace {

bool isAsciiLetter(std::uint8_t byte) { return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z'); }

std::string hexByte(std::uint8_t byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned>(byte));
    return text;
}

// Walks one record; every read is checked against the record's length first.
class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> record) : record_(record) {}

    bool atEnd() const { return at_ == record_.size(); }
    std::size_t offset() const { return at_; }

    // The name up to its blank, and the blank.
    std::string name()
    {
        const std::size_t begin = at_;
        std::size_t end = begin;
        while (end < record_.size() && isAsciiLetter(record_[end]))
            ++end;
        std::string name(record_.begin() + begin, record_.begin() + end);
        if (end == record_.size())
            throw LayoutRecordException(name, begin, "the record ends before the blank after a property name");
        if (record_[end] != ' ')
            throw LayoutRecordException(name, begin, "a property name holds the byte " + hexByte(record_[end])
                                                         + " at byte " + std::to_string(end));
        if (name.empty())
            throw LayoutRecordException(name, begin, "an entry has no property name");
        at_ = end + 1;
        return name;
    }

    PropertyValue value(PropertyKind kind, const std::string& name)
    {
        const std::size_t begin = at_;
        switch (kind) {
        case PropertyKind::Integer:
        case PropertyKind::Enumeration: return static_cast<std::int64_t>(littleEndian(8, name, begin));
        case PropertyKind::ByteEnumeration: return static_cast<std::int64_t>(littleEndian(1, name, begin));
        case PropertyKind::Boolean: {
            const std::uint64_t byte = littleEndian(1, name, begin);
            if (byte > 1)
                throw LayoutRecordException(name, begin, "a Boolean is the byte "
                                                             + hexByte(static_cast<std::uint8_t>(byte))
                                                             + ", neither 0x00 nor 0x01");
            return byte == 1;
        }
        case PropertyKind::Colour: return static_cast<Color>(littleEndian(4, name, begin));
        case PropertyKind::Single:
            return std::bit_cast<float>(static_cast<std::uint32_t>(littleEndian(4, name, begin)));
        case PropertyKind::Double: return std::bit_cast<double>(littleEndian(8, name, begin));
        case PropertyKind::Text: {
            const std::uint64_t length = littleEndian(4, name, begin);
            if (length > record_.size() - at_)
                throw LayoutRecordException(name, begin, "a text of " + std::to_string(length)
                                                             + " bytes runs past the end of the record");
            std::string text(record_.begin() + at_, record_.begin() + at_ + length);
            at_ += length;
            return text;
        }
        }
        throw LayoutRecordException(name, begin, "the property has a kind no record can hold");
    }

private:
    std::uint64_t littleEndian(std::size_t bytes, const std::string& name, std::size_t valueBegin)
    {
        if (bytes > record_.size() - at_)
            throw LayoutRecordException(name, valueBegin, "the value runs past the end of the record");
        std::uint64_t bits = 0;
        for (std::size_t i = bytes; i > 0; --i)
            bits = (bits << 8) | record_[at_ + i - 1];
        at_ += bytes;
        return bits;
    }

    std::span<const std::uint8_t> record_;
    std::size_t at_ = 0;
};

} // namespace

void SetProperties(PropertyTarget& target, std::span<const std::uint8_t> record)
{
    RecordReader reader(record);
    while (!reader.atEnd()) {
        const std::size_t nameOffset = reader.offset();
        const std::string name = reader.name();
        const PropertyKind* kind = target.propertyKind(name);
        if (!kind)
            throw LayoutRecordException(name, nameOffset, "the target has no such property");
        target.setProperty(name, reader.value(*kind, name));
    }
    target.recordApplied();
}

} // namespace fw
