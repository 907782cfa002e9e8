// Declared properties, looked up without regard to case, and the values records gave them.
#include <framework/property_sheet.h>

#include <framework/ascii_case.h>
#include <framework/runtime.h>

#include <optional>
#include <utility>

namespace fw {

namespace {

bool holdsKind(const PropertyValue& value, PropertyKind kind)
{
    switch (kind) {
    case PropertyKind::Integer:
    case PropertyKind::Enumeration:
    case PropertyKind::ByteEnumeration: return std::holds_alternative<std::int64_t>(value);
    case PropertyKind::Boolean: return std::holds_alternative<bool>(value);
    case PropertyKind::Colour: return std::holds_alternative<Color>(value);
    case PropertyKind::Single: return std::holds_alternative<float>(value);
    case PropertyKind::Double: return std::holds_alternative<double>(value);
    case PropertyKind::Text: return std::holds_alternative<std::string>(value);
    }
    return false;
}

} // namespace

void PropertySheet::declare(std::string_view name, PropertyKind kind, Apply apply)
{
    declared_.insert_or_assign(asciiLowercase(name), Declared{std::string(name), kind, std::move(apply)});
}

const PropertyKind* PropertySheet::propertyKind(std::string_view name) const
{
    auto found = declared_.find(asciiLowercase(name));
    return found == declared_.end() ? nullptr : &found->second.kind;
}

void PropertySheet::setProperty(std::string_view name, PropertyValue value)
{
    std::string key = asciiLowercase(name);
    auto found = declared_.find(key);
    if (found == declared_.end())
        throw RuntimeException("there is no property named \"" + std::string(name) + "\"");
    const Declared& declared = found->second;
    if (!holdsKind(value, declared.kind))
        throw IllegalCastException("the value given to \"" + declared.name + "\" is not of its kind");

    // The action may read the new value back, so it is stored first and put back if the action fails.
    auto stored = stored_.find(key);
    std::optional<PropertyValue> previous;
    if (stored != stored_.end())
        previous = std::move(stored->second);
    PropertyValue& slot = stored_[key];
    slot = std::move(value);
    if (!declared.apply)
        return;
    try {
        declared.apply(slot);
    } catch (...) {
        if (previous)
            stored_[key] = std::move(*previous);
        else
            stored_.erase(key);
        throw;
    }
}

const PropertyValue* PropertySheet::storedProperty(std::string_view name) const
{
    auto found = stored_.find(asciiLowercase(name));
    return found == stored_.end() ? nullptr : &found->second;
}

} // namespace fw
