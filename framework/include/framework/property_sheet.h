// The properties a window or control class declares, and the values its record gave them.
#pragma once

#include <framework/layout_record.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace fw {

class PropertySheet : public PropertyTarget {
public:
    const PropertyKind* propertyKind(std::string_view name) const override;
    // Stores the value and runs the declared action, if any.
    void setProperty(std::string_view name, PropertyValue value) override;
    // The last value a record gave the property, or nullptr; looked up without regard to case.
    const PropertyValue* storedProperty(std::string_view name) const;

protected:
    using Apply = std::function<void(const PropertyValue&)>;
    // Declares a property of the class; a property whose effect the framework ignores has no action.
    void declare(std::string_view name, PropertyKind kind, Apply apply = {});

private:
    struct Declared {
        std::string name;
        PropertyKind kind;
        Apply apply;
    };
    std::map<std::string, Declared> declared_; // keyed by the lowercased name
    std::map<std::string, PropertyValue> stored_;
};

} // namespace fw
