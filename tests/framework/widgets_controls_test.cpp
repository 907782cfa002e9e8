// Controls in a window: registration by name, checked look-ups, containers, places, cursors and looks.
#include "widgets_fixture.h"

#include <framework/runtime.h>

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include <cmath>

namespace widgets_test {
namespace {

using widgets_test::PrintTo;

inline constexpr auto kPanel = fw::record::encode([] { return groupBoxEntries({"Panel", 50, 40, 200, 150}, "panel"); });
inline constexpr auto kInnerBox =
    fw::record::encode([] { return checkBoxEntries({"Inner", 60, 70, 100, 20, "Panel"}, "inside", false); });
inline constexpr auto kOuterBox =
    fw::record::encode([] { return checkBoxEntries({"Outer", 260, 70, 100, 20}, "outside", false); });
inline constexpr auto kSubPanel =
    fw::record::encode([] { return groupBoxEntries({"SubPanel", 70, 100, 150, 80, "Panel"}, "sub"); });
inline constexpr auto kDeepBox =
    fw::record::encode([] { return checkBoxEntries({"Deep", 80, 130, 100, 20, "SubPanel"}, "deep", false); });
inline constexpr auto kLostBox =
    fw::record::encode([] { return checkBoxEntries({"Lost", 10, 10, 100, 20, "NoSuchPanel"}, "lost", false); });

class ControlsTest : public WidgetsTest {};

TEST_F(ControlsTest, LookUpsByNameFindTheRegisteredControlOrFailAsDocumented)
{
    auto window = buildWith([](FakeWindow& w) {
        w.createControl<fw::GroupBox>("Panel", kPanel);
        w.createControl<fw::CheckBox>("Inner", kInnerBox);
    });
    EXPECT_EQ(window->ControlByName("NoSuchControl"), nullptr);
    EXPECT_EQ(window->controlAs<fw::CheckBox>("Inner"), window->controlAs<fw::CheckBox>("Inner"));
    EXPECT_EQ(window->controlAs<fw::CheckBox>("Inner")->Name(), "Inner");
    EXPECT_THROW(window->controlAs<fw::CheckBox>("NoSuchControl"), fw::NilObjectException);
    EXPECT_THROW(window->controlAs<fw::Slider>("Inner"), fw::IllegalCastException);
    EXPECT_THROW(window->controlAs<fw::RadioButton>("Panel"), fw::IllegalCastException);
    ASSERT_EQ(window->controls().size(), 2u);
    EXPECT_EQ(window->controls()[0]->Name(), "Panel") << "controls in creation order";
}

TEST_F(ControlsTest, ASecondControlUnderAUsedNameIsRefused)
{
    auto window = buildWith([](FakeWindow& w) { w.createControl<fw::CheckBox>("Outer", kOuterBox); });
    EXPECT_THROW(window->AddControl("Outer", window->New<fw::CheckBox>()), fw::RuntimeException);
    EXPECT_THROW(window->AddControl("Other", nullptr), fw::NilObjectException);
    EXPECT_EQ(window->controls().size(), 1u);
}

TEST_F(ControlsTest, AControlOfAnotherWindowIsRefused)
{
    auto first = build();
    auto second = std::make_shared<FakeWindow>("Other.Other");
    EXPECT_THROW(first->AddControl("Foreign", second->New<fw::CheckBox>()), fw::RuntimeException);
}

TEST_F(ControlsTest, AContainerNamedByNoControlFailsTheRecord)
{
    EXPECT_THROW(buildWith([](FakeWindow& w) { w.createControl<fw::CheckBox>("Lost", kLostBox); }), fw::NilObjectException);
    EXPECT_EQ(fw::GetImplicitWindow(kClassName), nullptr);
}

struct Placement {
    const char* name;
    std::string_view control;
    int x, y;            // inside its container's widget
    int windowX, windowY; // in the window: the record's Left and Top
};

class ControlPlacementTest : public WidgetsTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(ControlPlacementTest, LeftAndTopAreWindowCoordinatesAlsoInsideContainers)
{
    auto window = buildWith([](FakeWindow& w) {
        w.createControl<fw::GroupBox>("Panel", kPanel);
        w.createControl<fw::CheckBox>("Inner", kInnerBox);
        w.createControl<fw::CheckBox>("Outer", kOuterBox);
        w.createControl<fw::GroupBox>("SubPanel", kSubPanel);
        w.createControl<fw::CheckBox>("Deep", kDeepBox);
    });
    const Placement& p = GetParam();
    auto control = window->ControlByName(p.control);
    ASSERT_NE(control, nullptr);
    QWidget* widget = control->widget();
    EXPECT_EQ(widget->pos(), QPoint(p.x, p.y));
    QWidget* content = widget->window()->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_EQ(widget->mapTo(widget->window(), QPoint(0, 0)) - content->pos(), QPoint(p.windowX, p.windowY));
    EXPECT_EQ(control->Left(), p.windowX);
    EXPECT_EQ(control->Top(), p.windowY);
}

INSTANTIATE_TEST_SUITE_P(
    Records, ControlPlacementTest,
    ::testing::Values(Placement{"OnTheWindow", "Outer", 260, 70, 260, 70},
                      Placement{"InAGroupBoxAt50x40", "Inner", 10, 30, 60, 70},
                      Placement{"InAGroupBoxInsideAGroupBox", "Deep", 10, 30, 80, 130}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlsTest, AContainersEnabledAndVisibleApplyToWhatItHolds)
{
    auto window = buildWith([](FakeWindow& w) {
        w.createControl<fw::GroupBox>("Panel", kPanel);
        w.createControl<fw::CheckBox>("Inner", kInnerBox);
        w.createControl<fw::GroupBox>("SubPanel", kSubPanel);
        w.createControl<fw::CheckBox>("Deep", kDeepBox);
    });
    auto panel = window->controlAs<fw::GroupBox>("Panel");
    auto inner = window->controlAs<fw::CheckBox>("Inner");
    auto deep = window->controlAs<fw::CheckBox>("Deep");
    int actions = 0;
    inner->Action.bind([&actions](fw::CheckBox&) { ++actions; });

    panel->setEnabled(false);
    EXPECT_TRUE(inner->Enabled()) << "the control's own setting stays";
    EXPECT_FALSE(inner->isEnabledOnScreen());
    EXPECT_FALSE(deep->isEnabledOnScreen()) << "two containers deep";
    fw::testing::click(*inner);
    EXPECT_EQ(actions, 0);
    EXPECT_FALSE(inner->Value());

    panel->setEnabled(true);
    EXPECT_TRUE(inner->isEnabledOnScreen());
    fw::testing::click(*inner);
    EXPECT_EQ(actions, 1);

    panel->setVisible(false);
    EXPECT_TRUE(inner->Visible());
    EXPECT_FALSE(inner->isShownOnScreen());
    EXPECT_FALSE(deep->isShownOnScreen());
    fw::testing::click(*inner);
    EXPECT_EQ(actions, 1) << "a hidden control cannot be clicked";

    panel->setVisible(true);
    EXPECT_TRUE(inner->isShownOnScreen());
    EXPECT_TRUE(deep->isShownOnScreen());
}

TEST_F(ControlsTest, AControlSwitchedOffStaysOffInsideAContainerSwitchedOn)
{
    auto window = buildWith([](FakeWindow& w) {
        w.createControl<fw::GroupBox>("Panel", kPanel);
        w.createControl<fw::CheckBox>("Inner", kInnerBox);
    });
    auto panel = window->controlAs<fw::GroupBox>("Panel");
    auto inner = window->controlAs<fw::CheckBox>("Inner");
    inner->setVisible(false);
    inner->setEnabled(false);
    panel->setVisible(false);
    panel->setEnabled(false);
    panel->setVisible(true);
    panel->setEnabled(true);
    EXPECT_FALSE(inner->isShownOnScreen());
    EXPECT_FALSE(inner->isEnabledOnScreen());
}

struct CursorCase {
    const char* name;
    fw::Cursor cursor;
    Qt::CursorShape shape;
};

class ControlCursorTest : public WidgetsTest, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(ControlCursorTest, TheCursorShowsOverThatControlOnly)
{
    auto window = buildWith([](FakeWindow& w) {
        w.createControl<fw::CheckBox>("Outer", kOuterBox);
        w.createControl<fw::GroupBox>("Panel", kPanel);
    });
    auto box = window->controlAs<fw::CheckBox>("Outer");
    box->setMouseCursor(GetParam().cursor);
    EXPECT_EQ(box->MouseCursor(), GetParam().cursor);
    EXPECT_EQ(box->widget()->cursor().shape(), GetParam().shape);
    EXPECT_EQ(window->ControlByName("Panel")->widget()->cursor().shape(), Qt::ArrowCursor);
}

INSTANTIATE_TEST_SUITE_P(Cursors, ControlCursorTest,
                         ::testing::Values(CursorCase{"OpenHandOverTheOrigin", fw::Cursors::HandOpen, Qt::OpenHandCursor},
                                           CursorCase{"FingerOverALink", fw::Cursors::FingerPointer, Qt::PointingHandCursor},
                                           CursorCase{"StandardElsewhere", fw::Cursors::StandardPointer, Qt::ArrowCursor}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlsTest, RefreshOfAControlIsCountedForThatControl)
{
    auto window = buildWith([](FakeWindow& w) {
        w.createControl<fw::CheckBox>("Outer", kOuterBox);
        w.createControl<fw::GroupBox>("Panel", kPanel);
    });
    window->ControlByName("Outer")->Refresh(true);
    window->ControlByName("Outer")->Refresh(true);
    EXPECT_EQ(fw::testing::refreshCount(*window->ControlByName("Outer")), 2);
    EXPECT_EQ(fw::testing::refreshCount(*window->ControlByName("Panel")), 0);
    EXPECT_EQ(fw::testing::refreshCount(*window), 0);
}

// The About window's link label and text label, and a label with the program's usual font.
inline constexpr auto kLinkLabel = fw::record::encode(
    [] { return labelEntries({"Link", 55, 228, 87, 27}, "example.org", false, "Arial", 12.0f, true, 0x00004080); });
inline constexpr auto kAboutText = fw::record::encode([] {
    return labelEntries({"About", 55, 43, 171, 83}, "first line\r\n\r\nthird line", true, "Arial", 12.0f, false, 0);
});
inline constexpr auto kPlainLabel =
    fw::record::encode([] { return labelEntries({"Plain", 10, 10, 60, 20}, " 10 ns", false, "System", 0.0f, false, 0); });

TEST_F(ControlsTest, LabelsShowTheirRecordsTextColourAndFont)
{
    auto window = buildWith([](FakeWindow& w) {
        w.createControl<fw::Label>("Link", kLinkLabel);
        w.createControl<fw::Label>("About", kAboutText);
        w.createControl<fw::Label>("Plain", kPlainLabel);
    });
    auto link = window->controlAs<fw::Label>("Link");
    auto* linkWidget = static_cast<QLabel*>(link->widget());
    EXPECT_EQ(link->Value(), "example.org");
    EXPECT_EQ(link->TextColor(), fw::RGB(0, 64, 128));
    EXPECT_EQ(linkWidget->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 64, 128));
    EXPECT_TRUE(linkWidget->font().underline());
    EXPECT_EQ(linkWidget->font().pixelSize(), 12); // pixels, as on a drawing surface
    EXPECT_FALSE(linkWidget->wordWrap());

    auto about = window->controlAs<fw::Label>("About");
    auto* aboutWidget = static_cast<QLabel*>(about->widget());
    EXPECT_EQ(about->Value(), "first line\r\n\r\nthird line") << "the text keeps its CR LF";
    EXPECT_EQ(aboutWidget->text().toStdString(), "first line\n\nthird line");
    EXPECT_TRUE(aboutWidget->wordWrap()) << "\"Multiline\" in the record sets MultiLine";
    EXPECT_FALSE(aboutWidget->font().underline());

    auto* plainWidget = static_cast<QLabel*>(window->ControlByName("Plain")->widget());
    EXPECT_EQ(plainWidget->font(), QApplication::font(plainWidget)) << "\"System\" 0 is the default font";
}

TEST_F(ControlsTest, ALabelsTextSetFromCodeShows)
{
    auto window = buildWith([](FakeWindow& w) { w.createControl<fw::Label>("Plain", kPlainLabel); });
    auto label = window->controlAs<fw::Label>("Plain");
    label->setValue(" 20 ns");
    EXPECT_EQ(label->Value(), " 20 ns");
    EXPECT_EQ(static_cast<QLabel*>(label->widget())->text().toStdString(), " 20 ns");
}

TEST_F(ControlsTest, PropertiesAreFoundWithoutRegardToCaseAndStored)
{
    auto window = buildWith([](FakeWindow& w) { w.createControl<fw::Label>("About", kAboutText); });
    auto label = window->controlAs<fw::Label>("About");
    ASSERT_NE(label->propertyKind("MULTILINE"), nullptr);
    EXPECT_EQ(*label->propertyKind("multiline"), fw::PropertyKind::Boolean);
    EXPECT_EQ(label->propertyKind("Caption"), nullptr) << "a label has no caption";
    ASSERT_NE(label->storedProperty("DataSource"), nullptr);
    EXPECT_EQ(std::get<std::string>(*label->storedProperty("datasource")), "");
    EXPECT_THROW(label->setProperty("Caption", std::string("x")), fw::RuntimeException);
    EXPECT_THROW(label->setProperty("Multiline", std::int64_t{1}), fw::IllegalCastException);
}

inline constexpr auto kFrame = fw::record::encode(
    [] { return rectangleEntries({"Frame", 20, 20, 100, 60}, 0x00FFFFFF, fw::RGB(255, 0, 0), fw::RGB(0, 0, 255)); });

TEST_F(ControlsTest, ARectangleIsFilledAndFramedInItsColours)
{
    auto window = buildWith([](FakeWindow& w) { w.createControl<fw::Rectangle>("Frame", kFrame); });
    auto image = fw::testing::renderControl(*window->ControlByName("Frame"));
    ASSERT_EQ(image->width(), 100);
    ASSERT_EQ(image->height(), 60);
    EXPECT_EQ(image->pixel(50, 0), fw::RGB(255, 0, 0)) << "top edge";
    EXPECT_EQ(image->pixel(0, 30), fw::RGB(255, 0, 0)) << "left edge";
    EXPECT_EQ(image->pixel(50, 59), fw::RGB(0, 0, 255)) << "bottom edge";
    EXPECT_EQ(image->pixel(99, 30), fw::RGB(0, 0, 255)) << "right edge";
    EXPECT_EQ(image->pixel(50, 30), fw::RGB(255, 255, 255)) << "fill";
    EXPECT_EQ(image->pixel(1, 30), fw::RGB(255, 255, 255)) << "the border is one pixel";
    EXPECT_EQ(window->ControlByName("Frame")->propertyKind("TabStop"), nullptr) << "a rectangle has no tab stop";
}

// The border thickness is a double; the frame is drawn in whole pixels, halves rounded away from
// zero on the exact value as Round does.
struct BorderCase {
    const char* name;
    double thickness;
    int pixels;
};

class RectangleBorderTest : public ControlsTest, public ::testing::WithParamInterface<BorderCase> {};

TEST_P(RectangleBorderTest, TheBorderIsTheThicknessRoundedToWholePixels)
{
    auto window = buildWith([](FakeWindow& w) { w.createControl<fw::Rectangle>("Frame", kFrame); });
    window->ControlByName("Frame")->setProperty("BorderThickness", GetParam().thickness);
    auto image = fw::testing::renderControl(*window->ControlByName("Frame"));
    int border = 0;
    while (border < 30 && image->pixel(border, 30) == fw::RGB(255, 0, 0))
        ++border;
    EXPECT_EQ(border, GetParam().pixels) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Thicknesses, RectangleBorderTest, ::testing::Values(
    BorderCase{"none", 0.0, 0},
    BorderCase{"largest double below a half: no border", 0.49999999999999994, 0},
    BorderCase{"a half: one pixel", 0.5, 1},
    BorderCase{"2.5, where half to even would give 2", 2.5, 3},
    BorderCase{"negative: none", -2.0, 0},
    BorderCase{"not a number: none", NAN, 0}));

} // namespace
} // namespace widgets_test
