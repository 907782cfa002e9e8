// Feeds arbitrary bytes as layout records to controls that declare every property of the records.
#include <framework/layout_record.h>
#include <framework/runtime.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace {

using fw::PropertyKind;

struct Declared {
    std::string_view name;
    PropertyKind kind;
};

constexpr Declared kDeclared[] = {
    {"Left", PropertyKind::Integer},
    {"Top", PropertyKind::Integer},
    {"Width", PropertyKind::Integer},
    {"Height", PropertyKind::Integer},
    {"Index", PropertyKind::Integer},
    {"TabIndex", PropertyKind::Integer},
    {"TabPanelIndex", PropertyKind::Integer},
    {"MinimumWidth", PropertyKind::Integer},
    {"MinimumHeight", PropertyKind::Integer},
    {"MaximumWidth", PropertyKind::Integer},
    {"MaximumHeight", PropertyKind::Integer},
    {"MacProcID", PropertyKind::Integer},
    {"MinimumValue", PropertyKind::Integer},
    {"MaximumValue", PropertyKind::Integer},
    {"LineStep", PropertyKind::Integer},
    {"PageStep", PropertyKind::Integer},
    {"MaximumCharactersAllowed", PropertyKind::Integer},
    {"Type", PropertyKind::Enumeration},
    {"DefaultLocation", PropertyKind::Enumeration},
    {"TextAlignment", PropertyKind::Enumeration},
    {"TickMarkStyle", PropertyKind::Enumeration},
    {"VisualState", PropertyKind::Enumeration},
    {"MacButtonStyle", PropertyKind::Enumeration},
    {"FontUnit", PropertyKind::ByteEnumeration},
    {"LockLeft", PropertyKind::Boolean},
    {"LockTop", PropertyKind::Boolean},
    {"LockRight", PropertyKind::Boolean},
    {"LockBottom", PropertyKind::Boolean},
    {"TabStop", PropertyKind::Boolean},
    {"AllowAutoDeactivate", PropertyKind::Boolean},
    {"Enabled", PropertyKind::Boolean},
    {"Visible", PropertyKind::Boolean},
    {"Transparent", PropertyKind::Boolean},
    {"AllowFocusRing", PropertyKind::Boolean},
    {"AllowFocus", PropertyKind::Boolean},
    {"AllowTabs", PropertyKind::Boolean},
    {"DoubleBuffer", PropertyKind::Boolean},
    {"Bold", PropertyKind::Boolean},
    {"Italic", PropertyKind::Boolean},
    {"Underline", PropertyKind::Boolean},
    {"MultiLine", PropertyKind::Boolean},
    {"Selectable", PropertyKind::Boolean},
    {"HasBorder", PropertyKind::Boolean},
    {"Password", PropertyKind::Boolean},
    {"AllowSpellChecking", PropertyKind::Boolean},
    {"ReadOnly", PropertyKind::Boolean},
    {"Cancel", PropertyKind::Boolean},
    {"Default", PropertyKind::Boolean},
    {"AllowLiveScrolling", PropertyKind::Boolean},
    {"HasCloseButton", PropertyKind::Boolean},
    {"HasMaximizeButton", PropertyKind::Boolean},
    {"HasMinimizeButton", PropertyKind::Boolean},
    {"HasFullScreenButton", PropertyKind::Boolean},
    {"Resizeable", PropertyKind::Boolean},
    {"Composite", PropertyKind::Boolean},
    {"FullScreen", PropertyKind::Boolean},
    {"HasBackgroundColor", PropertyKind::Boolean},
    {"MenuBarVisible", PropertyKind::Boolean},
    {"LiveResize", PropertyKind::Boolean},
    {"BackgroundColor", PropertyKind::Colour},
    {"TextColor", PropertyKind::Colour},
    {"FillColor", PropertyKind::Colour},
    {"TopLeftColor", PropertyKind::Colour},
    {"BottomRightColor", PropertyKind::Colour},
    {"FontSize", PropertyKind::Single},
    {"BorderThickness", PropertyKind::Double},
    {"Name", PropertyKind::Text},
    {"Title", PropertyKind::Text},
    {"Caption", PropertyKind::Text},
    {"Tooltip", PropertyKind::Text},
    {"FontName", PropertyKind::Text},
    {"InitialParent", PropertyKind::Text},
    {"DataSource", PropertyKind::Text},
    {"DataField", PropertyKind::Text},
    {"Format", PropertyKind::Text},
    {"Hint", PropertyKind::Text},
    {"ValidationMask", PropertyKind::Text},
};

char lower(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

bool isLetterName(std::string_view name)
{
    if (name.empty())
        return false;
    for (char ch : name)
        if (!((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')))
            return false;
    return true;
}

// A control whose `Value` has the kind of its class: a slider, a check box or a label.
class FuzzControl : public fw::PropertyTarget {
public:
    explicit FuzzControl(PropertyKind valueKind) : valueKind_(valueKind) {}

    const PropertyKind* propertyKind(std::string_view name) const override
    {
        if (sameName(name, "Value"))
            return &valueKind_;
        for (const Declared& d : kDeclared)
            if (sameName(name, d.name))
                return &d.kind;
        return nullptr;
    }

    void setProperty(std::string_view name, fw::PropertyValue) override
    {
        // The reader hands over only names it has looked up, spelt in letters.
        if (!isLetterName(name) || !propertyKind(name))
            __builtin_trap();
    }

    void recordApplied() override { ++recordsApplied; }

    int recordsApplied = 0;

private:
    PropertyKind valueKind_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> record(data, size);
    for (PropertyKind valueKind : {PropertyKind::Integer, PropertyKind::Boolean, PropertyKind::Text}) {
        FuzzControl control(valueKind);
        bool raised = false;
        try {
            fw::SetProperties(control, record);
        } catch (const fw::LayoutRecordException& e) {
            raised = true;
            if (e.offset() > size)
                __builtin_trap();
        }
        // Applied once when the whole record was read, never after a fault.
        if (control.recordsApplied != (raised ? 0 : 1))
            __builtin_trap();
    }
    return 0;
}
