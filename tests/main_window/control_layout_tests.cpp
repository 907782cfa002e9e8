// The 46 controls as built: kind, name, container, place, tab order and start values, and their records.
#include "main_window_fixture.h"

#include <main_window/control_records.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using main_window::Window1;
using ControlPtr = std::shared_ptr<fw::RectControl>;

enum class Kind { Rectangle, Canvas, GroupBox, RadioButton, Label, Slider, TextField, CheckBox, PushButton };

template <auto Accessor>
ControlPtr via(const Window1& w)
{
    return (w.*Accessor)();
}

bool isOfKind(const fw::RectControl& c, Kind kind)
{
    switch (kind) {
    case Kind::Rectangle: return dynamic_cast<const fw::Rectangle*>(&c) != nullptr;
    case Kind::Canvas: return dynamic_cast<const fw::Canvas*>(&c) != nullptr;
    case Kind::GroupBox: return dynamic_cast<const fw::GroupBox*>(&c) != nullptr;
    case Kind::RadioButton: return dynamic_cast<const fw::RadioButton*>(&c) != nullptr;
    case Kind::Label: return dynamic_cast<const fw::Label*>(&c) != nullptr;
    case Kind::Slider: return dynamic_cast<const fw::Slider*>(&c) != nullptr;
    case Kind::TextField: return dynamic_cast<const fw::TextField*>(&c) != nullptr;
    case Kind::CheckBox: return dynamic_cast<const fw::CheckBox*>(&c) != nullptr;
    case Kind::PushButton: return dynamic_cast<const fw::PushButton*>(&c) != nullptr;
    }
    return false;
}

// The caption of a group box, radio button, check box or push button, the text of a label or
// text field; empty for the others.
std::string shownText(const fw::RectControl& c)
{
    if (auto* g = dynamic_cast<const fw::GroupBox*>(&c)) return g->Caption();
    if (auto* r = dynamic_cast<const fw::RadioButton*>(&c)) return r->Caption();
    if (auto* b = dynamic_cast<const fw::CheckBox*>(&c)) return b->Caption();
    if (auto* p = dynamic_cast<const fw::PushButton*>(&c)) return p->Caption();
    if (auto* l = dynamic_cast<const fw::Label*>(&c)) return l->Value();
    if (auto* t = dynamic_cast<const fw::TextField*>(&c)) return t->Value();
    return {};
}

struct ControlRow {
    const char* name;
    Kind kind;
    const char* parent; // "" on the window
    std::int64_t left, top, width, height, tabIndex;
    const char* text;
    ControlPtr (*accessor)(const Window1&);
};

// The controls in creation order, as the window's design gives them.
const ControlRow kControls[] = {
    {"Rectangle1", Kind::Rectangle, "", 20, 20, 663, 583, 0, "", via<&Window1::Rectangle1>},
    {"Canvas1", Kind::Canvas, "Rectangle1", 33, 35, 636, 553, 0, "", via<&Window1::Canvas1>},
    {"GroupBox1", Kind::GroupBox, "", 703, 19, 171, 48, 0, "we think with", via<&Window1::GroupBox1>},
    {"RadioButton1", Kind::RadioButton, "GroupBox1", 717, 42, 61, 20, 0, "black", via<&Window1::RadioButton1>},
    {"RadioButton2", Kind::RadioButton, "GroupBox1", 796, 42, 46, 20, 1, "red", via<&Window1::RadioButton2>},
    {"GroupBox2", Kind::GroupBox, "", 703, 79, 171, 84, 1, "relative speed", via<&Window1::GroupBox2>},
    {"StaticText1", Kind::Label, "GroupBox2", 732, 108, 32, 20, 1, "v/c", via<&Window1::StaticText1>},
    {"SpeedSlider", Kind::Slider, "GroupBox2", 719, 138, 131, 16, 2, "", via<&Window1::SpeedSlider>},
    {"TextField1", Kind::TextField, "GroupBox2", 762, 107, 80, 22, 3, "0.6", via<&Window1::TextField1>},
    {"GroupBox3", Kind::GroupBox, "", 703, 173, 171, 60, 2, "units", via<&Window1::GroupBox3>},
    {"UnitSlider", Kind::Slider, "GroupBox3", 719, 208, 131, 16, 0, "", via<&Window1::UnitSlider>},
    {"GroupBox4", Kind::GroupBox, "", 703, 257, 171, 162, 3, "black object", via<&Window1::GroupBox4>},
    {"StaticText2", Kind::Label, "GroupBox4", 719, 281, 56, 20, 0, "Position", via<&Window1::StaticText2>},
    {"BlackPosSlider", Kind::Slider, "GroupBox4", 787, 288, 63, 16, 1, "", via<&Window1::BlackPosSlider>},
    {"StaticText4", Kind::Label, "GroupBox4", 719, 309, 45, 20, 2, "Length", via<&Window1::StaticText4>},
    {"BlackLengthSlider", Kind::Slider, "GroupBox4", 776, 321, 84, 16, 3, "", via<&Window1::BlackLengthSlider>},
    {"CheckBox1", Kind::CheckBox, "GroupBox4", 719, 339, 100, 20, 4, "is visible", via<&Window1::CheckBox1>},
    {"CheckBox2", Kind::CheckBox, "GroupBox4", 719, 364, 100, 20, 5, "has Trace", via<&Window1::CheckBox2>},
    {"CheckBox3", Kind::CheckBox, "GroupBox4", 719, 390, 100, 20, 6, "has Shadow", via<&Window1::CheckBox3>},
    {"GroupBox5", Kind::GroupBox, "", 703, 441, 171, 162, 4, "red object", via<&Window1::GroupBox5>},
    {"StaticText3", Kind::Label, "GroupBox5", 719, 465, 56, 20, 0, "Position", via<&Window1::StaticText3>},
    {"RedPosSlider", Kind::Slider, "GroupBox5", 787, 473, 63, 16, 1, "", via<&Window1::RedPosSlider>},
    {"StaticText5", Kind::Label, "GroupBox5", 719, 489, 45, 20, 2, "Length", via<&Window1::StaticText5>},
    {"RedLengthSlider", Kind::Slider, "GroupBox5", 776, 499, 84, 16, 3, "", via<&Window1::RedLengthSlider>},
    {"CheckBox4", Kind::CheckBox, "GroupBox5", 719, 523, 100, 20, 4, "is visible", via<&Window1::CheckBox4>},
    {"CheckBox5", Kind::CheckBox, "GroupBox5", 719, 575, 100, 20, 5, "has Shadow", via<&Window1::CheckBox5>},
    {"CheckBox6", Kind::CheckBox, "GroupBox5", 719, 549, 100, 20, 6, "has Trace", via<&Window1::CheckBox6>},
    {"GroupBox6", Kind::GroupBox, "", 596, 618, 278, 98, 5, "the time", via<&Window1::GroupBox6>},
    {"TimeSlider", Kind::Slider, "GroupBox6", 612, 654, 244, 16, 0, "", via<&Window1::TimeSlider>},
    {"PushButton1", Kind::PushButton, "GroupBox6", 612, 677, 59, 20, 1, "back", via<&Window1::PushButton1>},
    {"PushButton2", Kind::PushButton, "GroupBox6", 797, 677, 59, 20, 2, "ahead", via<&Window1::PushButton2>},
    {"Label1", Kind::Label, "GroupBox6", 707, 677, 65, 20, 3, " 10 ns", via<&Window1::Label1>},
    {"GroupBox7", Kind::GroupBox, "", 26, 618, 521, 167, 6, "black says", via<&Window1::GroupBox7>},
    {"StaticText7", Kind::Label, "GroupBox7", 38, 648, 301, 20, 0, "all my clocks read then", via<&Window1::StaticText7>},
    {"StaticText8", Kind::Label, "GroupBox7", 38, 673, 221, 20, 1, "my event position", via<&Window1::StaticText8>},
    {"StaticText9", Kind::Label, "GroupBox7", 38, 698, 261, 20, 2, "that red clock there reads", via<&Window1::StaticText9>},
    {"StaticText10", Kind::Label, "GroupBox7", 38, 723, 282, 20, 3, "red's event position", via<&Window1::StaticText10>},
    {"StaticText11", Kind::Label, "GroupBox7", 38, 758, 344, 19, 8, "RP  equals  SQ  according to Tovalin's myth !!", via<&Window1::StaticText11>},
    {"TextField2", Kind::TextField, "GroupBox7", 406, 647, 99, 22, 9, "", via<&Window1::TextField2>},
    {"TextField3", Kind::TextField, "GroupBox7", 406, 672, 98, 22, 10, "", via<&Window1::TextField3>},
    {"TextField4", Kind::TextField, "GroupBox7", 406, 697, 98, 22, 11, "", via<&Window1::TextField4>},
    {"TextField5", Kind::TextField, "GroupBox7", 406, 722, 99, 22, 12, "", via<&Window1::TextField5>},
    {"PushButton4", Kind::PushButton, "GroupBox7", 428, 755, 59, 20, 13, "clear", via<&Window1::PushButton4>},
    {"PushButton3", Kind::PushButton, "", 797, 765, 75, 20, 7, "Quit", via<&Window1::PushButton3>},
    {"PushButton5", Kind::PushButton, "", 697, 765, 73, 20, 8, "About ...", via<&Window1::PushButton5>},
    {"PushButton6", Kind::PushButton, "", 596, 764, 75, 20, 9, "Print ...", via<&Window1::PushButton6>},
};

TEST_F(MainWindowTest, ControlsStandAsDesignedInCreationOrder)
{
    const auto& controls = window->controls();
    ASSERT_EQ(controls.size(), std::size(kControls));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlRow& row = kControls[i];
        const fw::RectControl& c = *controls[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(c.Name(), row.name);
        EXPECT_TRUE(isOfKind(c, row.kind));
        EXPECT_EQ(c.parentControl() ? c.parentControl()->Name() : "", row.parent);
        EXPECT_EQ(c.Left(), row.left);
        EXPECT_EQ(c.Top(), row.top);
        EXPECT_EQ(c.Width(), row.width);
        EXPECT_EQ(c.Height(), row.height);
        EXPECT_EQ(c.TabIndex(), row.tabIndex);
        EXPECT_EQ(shownText(c), row.text);
        EXPECT_TRUE(c.Visible());
        EXPECT_EQ(row.accessor(*window).get(), &c); // each accessor finds its own control
        const fw::PropertyValue* index = c.storedProperty("Index");
        ASSERT_NE(index, nullptr);
        EXPECT_EQ(*index, fw::PropertyValue(std::int64_t{-2147483648LL}));
    }
}

TEST_F(MainWindowTest, SlidersHoldTheirRecordValueInsideTheirRange)
{
    const struct {
        const char* name;
        std::int64_t minimum, maximum, value, lineStep, pageStep;
    } sliders[] = {
        {"SpeedSlider", 1, 39, 32, 1, 1},     {"UnitSlider", 0, 9, 3, 1, 1},
        {"BlackPosSlider", 0, 2, 2, 1, 1},    {"BlackLengthSlider", 1, 13, 6, 1, 1},
        {"RedPosSlider", 0, 2, 0, 1, 1},      {"RedLengthSlider", 1, 13, 6, 1, 1},
        {"TimeSlider", 0, 1000, 572, 1, 24}, // 572 written before the range of 0 to 1000
    };
    for (const auto& row : sliders) {
        SCOPED_TRACE(row.name);
        auto slider = window->controlAs<fw::Slider>(row.name);
        EXPECT_EQ(slider->MinimumValue(), row.minimum);
        EXPECT_EQ(slider->MaximumValue(), row.maximum);
        EXPECT_EQ(slider->Value(), row.value);
        EXPECT_EQ(slider->LineStep(), row.lineStep);
        EXPECT_EQ(slider->PageStep(), row.pageStep);
    }
}

TEST_F(MainWindowTest, StartStateMatchesTheModelWithoutAnyHandlerHavingRun)
{
    // Every handler of the window ends by asking for a repaint; none has.
    EXPECT_EQ(fw::testing::refreshCount(*window->Canvas1()), 0);
    EXPECT_EQ(fw::testing::refreshCount(*window), 0);
    EXPECT_TRUE(window->RadioButton1()->Value());
    EXPECT_FALSE(window->RadioButton2()->Value());
    EXPECT_EQ(window->SpeedSlider()->Value(), 32);
    EXPECT_EQ(window->TextField1()->Value(), "0.6");
    EXPECT_EQ(window->Label1()->Value(), " 10 ns"); // the design text, not a formatted time
    EXPECT_DOUBLE_EQ(Globals::sinPhi, 0.6);
    EXPECT_EQ(Globals::theTime, 72);
    EXPECT_EQ(Globals::ourSystem, 0);
    for (const char* box : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"})
        EXPECT_FALSE(window->controlAs<fw::CheckBox>(box)->Value()) << box;
    EXPECT_TRUE(window->GroupBox7()->Visible());
    EXPECT_TRUE(window->GroupBox7()->Enabled());
}

TEST_F(MainWindowTest, OnlyTheSpeedFieldTakesTyping)
{
    EXPECT_TRUE(window->TextField1()->Enabled());
    for (const char* field : {"TextField2", "TextField3", "TextField4", "TextField5"}) {
        SCOPED_TRACE(field);
        auto f = window->controlAs<fw::TextField>(field);
        EXPECT_FALSE(f->Enabled());
        fw::testing::typeText(*f, "12");
        EXPECT_EQ(f->Value(), "");
    }
}

TEST_F(MainWindowTest, ButtonsCanvasAndFrameCarryTheirOwnSettings)
{
    const struct {
        const char* control;
        const char* property;
        fw::PropertyValue value;
    } settings[] = {
        {"PushButton5", "Cancel", true},       {"PushButton6", "Cancel", true},
        {"PushButton3", "Cancel", false},      {"PushButton5", "Transparent", false},
        {"PushButton6", "Transparent", false}, {"PushButton1", "Transparent", true},
        {"PushButton4", "Default", false},     {"Canvas1", "AllowFocus", false},
        {"Canvas1", "DoubleBuffer", false},    {"Canvas1", "Transparent", true},
        {"Rectangle1", "BorderThickness", 1.0}, {"Rectangle1", "FillColor", fw::Color{0x00FFFFFF}},
        {"Rectangle1", "TopLeftColor", fw::Color{0}}, {"TextField2", "ReadOnly", false},
    };
    for (const auto& row : settings) {
        SCOPED_TRACE(std::string(row.control) + "." + row.property);
        const fw::PropertyValue* stored = window->ControlByName(row.control)->storedProperty(row.property);
        ASSERT_NE(stored, nullptr);
        EXPECT_EQ(*stored, row.value);
    }
}

// The canvas record's first three entries, byte for byte.
TEST(ControlRecords, CanvasRecordBegins)
{
    const std::uint8_t expected[] = {
        0x4E, 0x61, 0x6D, 0x65, 0x20, 0x07, 0x00, 0x00, 0x00, 0x43, 0x61, 0x6E, 0x76, 0x61, 0x73, 0x31,
        0x49, 0x6E, 0x64, 0x65, 0x78, 0x20, 0x00, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF,
        0x4C, 0x65, 0x66, 0x74, 0x20, 0x21, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    };
    const auto& record = main_window::records::Canvas1;
    ASSERT_GE(record.size(), sizeof expected);
    EXPECT_EQ(std::memcmp(record.data(), expected, sizeof expected), 0);
}

// Reads a record's entry names, knowing each value's width from the property's kind.
std::vector<std::string> entryNames(std::span<const std::uint8_t> record, std::size_t valueWidthOfValue)
{
    static const std::map<std::string, std::size_t> widths = [] {
        std::map<std::string, std::size_t> w;
        for (auto n : {"Left", "Top", "Width", "Height", "Index", "TabIndex", "TabPanelIndex", "MinimumValue",
                       "MaximumValue", "LineStep", "PageStep", "MaximumCharactersAllowed", "TextAlignment",
                       "TickMarkStyle", "VisualState", "MacButtonStyle", "BorderThickness"})
            w[n] = 8;
        for (auto n : {"FontUnit", "LockLeft", "LockTop", "LockRight", "LockBottom", "TabStop",
                       "AllowAutoDeactivate", "Enabled", "Visible", "Transparent", "AllowFocusRing", "AllowFocus",
                       "AllowTabs", "DoubleBuffer", "Bold", "Italic", "Underline", "Multiline", "Selectable",
                       "HasBorder", "Password", "AllowSpellChecking", "ReadOnly", "Cancel", "Default",
                       "AllowLiveScrolling"})
            w[n] = 1;
        for (auto n : {"BackgroundColor", "TextColor", "FillColor", "TopLeftColor", "BottomRightColor", "FontSize"})
            w[n] = 4;
        return w;
    }();
    std::vector<std::string> names;
    std::size_t at = 0;
    auto u32 = [&](std::size_t p) {
        return std::size_t(record[p]) | std::size_t(record[p + 1]) << 8 | std::size_t(record[p + 2]) << 16
             | std::size_t(record[p + 3]) << 24;
    };
    while (at < record.size()) {
        std::size_t blank = at;
        while (blank < record.size() && record[blank] != ' ')
            ++blank;
        if (blank == record.size())
            break;
        std::string name(record.begin() + at, record.begin() + blank);
        at = blank + 1;
        names.push_back(name);
        std::size_t width = name == "Value" ? valueWidthOfValue : widths.contains(name) ? widths.at(name) : 0;
        at += width ? width : 4 + u32(at); // every other property is text
    }
    EXPECT_EQ(at, record.size());
    return names;
}

std::vector<std::string> withCommonEntries(std::vector<std::string> own, bool tabStop = true)
{
    std::vector<std::string> all = {"Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop",
                                    "LockRight", "LockBottom", "TabIndex", "TabPanelIndex"};
    if (tabStop)
        all.push_back("TabStop");
    all.push_back("AllowAutoDeactivate");
    all.insert(all.end(), own.begin(), own.end());
    all.push_back("InitialParent");
    return all;
}

// One record of each kind, read back entry by entry against the kind's order of properties.
TEST(ControlRecords, EntriesStandInTheirKindsOrder)
{
    namespace r = main_window::records;
    const struct {
        const char* kind;
        std::span<const std::uint8_t> record;
        std::size_t valueWidth; // Value: 8 for a slider, 1 for a check box or radio button, 0 for text
        std::vector<std::string> names;
    } rows[] = {
        {"Rectangle", r::Rectangle1, 0,
         withCommonEntries({"BorderThickness", "BottomRightColor", "Enabled", "FillColor", "Tooltip", "TopLeftColor",
                            "Transparent", "Visible"},
                           false)},
        {"Canvas", r::Canvas1, 0,
         withCommonEntries({"Enabled", "Tooltip", "AllowFocusRing", "Visible", "AllowFocus", "AllowTabs",
                            "Transparent", "DoubleBuffer", "Transparent"})},
        {"GroupBox", r::GroupBox7, 0,
         withCommonEntries({"Caption", "Enabled", "Tooltip", "Transparent", "Visible", "Bold", "Italic", "FontName",
                            "Underline", "FontSize", "FontUnit"})},
        {"RadioButton", r::RadioButton1, 1,
         withCommonEntries({"Caption", "Enabled", "Tooltip", "Transparent", "Visible", "FontName", "FontSize",
                            "FontUnit", "Bold", "Italic", "Underline", "Value"})},
        {"Label", r::Label1, 0,
         withCommonEntries({"Enabled", "Tooltip", "Multiline", "Selectable", "TextAlignment", "TextColor",
                            "Transparent", "Value", "Visible", "Bold", "Italic", "FontName", "Underline",
                            "FontSize", "FontUnit", "DataSource", "DataField"})},
        {"Slider", r::TimeSlider, 8,
         withCommonEntries({"Enabled", "Tooltip", "Transparent", "Visible", "Value", "MinimumValue", "MaximumValue",
                            "LineStep", "AllowLiveScrolling", "PageStep", "TickMarkStyle"})},
        {"TextField", r::TextField1, 0,
         withCommonEntries({"BackgroundColor", "HasBorder", "Enabled", "Format", "Tooltip", "Password", "TextColor",
                            "Transparent", "AllowFocusRing", "Visible", "FontName", "FontSize", "FontUnit", "Bold",
                            "Italic", "Underline", "Hint", "Value", "AllowTabs", "TextAlignment",
                            "AllowSpellChecking", "MaximumCharactersAllowed", "ValidationMask", "ReadOnly",
                            "DataSource", "DataField"})},
        {"CheckBox", r::CheckBox5, 1,
         withCommonEntries({"Caption", "Enabled", "Tooltip", "Transparent", "Visible", "Bold", "Italic", "FontName",
                            "FontSize", "FontUnit", "Underline", "VisualState", "Value", "DataField",
                            "DataSource"})},
        {"PushButton", r::PushButton6, 0,
         withCommonEntries({"MacButtonStyle", "Cancel", "Caption", "Default", "Enabled", "Tooltip", "Transparent",
                            "Visible", "FontName", "FontSize", "FontUnit", "Bold", "Italic", "Underline"})},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        EXPECT_EQ(entryNames(row.record, row.valueWidth), row.names);
    }
}

} // namespace
