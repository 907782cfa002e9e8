// Every caption, label and text of both windows, in the font the program draws it with, fits the
// part of its control's rectangle that the style draws text into.
#include <about_window/window2.h>
#include <main_window/window1.h>

#include <engine/globals.h>
#include <framework/controls.h>
#include <framework/fonts.h>
#include <framework/testing.h>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace {

// What a control shows and where its style puts it, in the control's own pixels, for the record's
// width and height.
struct TextInControl {
    QString text;
    QRect room;        // where the text may go
    QRect drawnAt;     // where a group box's style puts its caption; empty for the other kinds
};

QRect recordRect(const fw::RectControl& c)
{
    return QRect(0, 0, static_cast<int>(c.Width()), static_cast<int>(c.Height()));
}

// The top of the highest control inside the group box, in the box's own pixels.
int firstChildTop(const fw::RectControl& box)
{
    std::int64_t top = box.Height();
    for (const auto& c : box.window().controls())
        if (c->parentControl() == &box)
            top = std::min(top, c->Top() - box.Top());
    return static_cast<int>(top);
}

std::optional<TextInControl> textIn(const fw::RectControl& c)
{
    QWidget* w = c.widget();
    QStyle* style = w->style();
    const QRect rect = recordRect(c);
    auto button = [&](const QString& text, QStyle::SubElement contents) {
        QStyleOptionButton option;
        option.initFrom(w);
        option.rect = rect;
        option.text = text;
        return TextInControl{text, style->subElementRect(contents, &option, w), {}};
    };
    if (auto* box = qobject_cast<QCheckBox*>(w))
        return button(box->text(), QStyle::SE_CheckBoxContents);
    if (auto* radio = qobject_cast<QRadioButton*>(w))
        return button(radio->text(), QStyle::SE_RadioButtonContents);
    if (auto* push = qobject_cast<QPushButton*>(w))
        return button(push->text(), QStyle::SE_PushButtonContents);
    if (auto* field = qobject_cast<QLineEdit*>(w)) {
        QStyleOptionFrame option;
        option.initFrom(field);
        option.rect = rect;
        option.lineWidth = field->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
        // The line edit keeps 2 pixels free on either side of its text.
        const QRect contents = style->subElementRect(QStyle::SE_LineEditContents, &option, field);
        return TextInControl{field->text(), contents.adjusted(2, 0, -2, 0), {}};
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.rect = rect;
        option.text = group->title();
        option.lineWidth = 1;
        option.textAlignment = group->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        // The caption stands above the controls inside the box.
        return TextInControl{group->title(), QRect(0, 0, rect.width(), firstChildTop(c)),
                             style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group)};
    }
    if (auto* label = qobject_cast<QLabel*>(w))
        return TextInControl{label->text(), rect, {}};
    return std::nullopt;
}

// Checks every control of the window that shows a text.
void expectEveryTextFits(const fw::Window& window)
{
    for (const auto& c : window.controls()) {
        const auto shown = textIn(*c);
        if (!shown || shown->text.isEmpty())
            continue;
        SCOPED_TRACE(c->Name() + " \"" + shown->text.toStdString() + "\"");
        const QFontMetrics metrics(c->widget()->font());
        if (!shown->drawnAt.isNull()) {
            EXPECT_TRUE(shown->room.contains(shown->drawnAt)) << "caption drawn at " << shown->drawnAt.x() << ","
                << shown->drawnAt.y() << " " << shown->drawnAt.width() << "x" << shown->drawnAt.height()
                << " in room " << shown->room.width() << "x" << shown->room.height();
            continue;
        }
        // A label's lines stand one below the other and none may wrap.
        const QStringList lines = shown->text.split(QLatin1Char('\n'));
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        const int height = metrics.height() + (static_cast<int>(lines.size()) - 1) * metrics.lineSpacing();
        EXPECT_LE(widest, shown->room.width());
        EXPECT_LE(height, shown->room.height());
    }
}

struct MainWindowState {
    const char* name;
    std::function<void(main_window::Window1&)> bringAbout;
};

void PrintTo(const MainWindowState& state, std::ostream* os)
{
    *os << state.name;
}

void projectAt(main_window::Window1& w, std::int64_t x, std::int64_t y)
{
    fw::testing::mousePress(*w.Canvas1(), x, y);
    fw::testing::mouseRelease(*w.Canvas1(), x, y);
}

// The design texts, and the longest texts the handlers and the meeting construction write.
const MainWindowState kMainWindowStates[] = {
    {"as built, with the design texts", [](main_window::Window1&) {}},
    {"black's meeting construction", [](main_window::Window1& w) { projectAt(w, 450, 150); }},
    {"red's meeting construction",
     [](main_window::Window1& w) {
         fw::testing::click(*w.RadioButton2());
         projectAt(w, 450, 150);
     }},
    {"a far meeting at the highest speed in the largest units",
     [](main_window::Window1& w) {
         fw::testing::dragSlider(*w.SpeedSlider(), 39);
         fw::testing::dragSlider(*w.UnitSlider(), 9);
         projectAt(w, 5, 5);
     }},
    // theTime -500 px in 100 us per grid unit of 72 px: "-694.44 us", the widest time.
    {"the earliest time in the unit of 100 us",
     [](main_window::Window1& w) {
         fw::testing::dragSlider(*w.UnitSlider(), 7);
         fw::testing::dragSlider(*w.TimeSlider(), 0);
     }},
};

class MainWindowTexts : public ::testing::TestWithParam<MainWindowState> {
protected:
    void SetUp() override
    {
        Globals::resetToStartValues();
        window_ = ::Window1();
    }
    void TearDown() override
    {
        window_->Close();
        fw::testing::processEvents();
        Globals::resetToStartValues();
    }
    std::shared_ptr<main_window::Window1> window_;
};

TEST_P(MainWindowTexts, FitTheirControls)
{
    GetParam().bringAbout(*window_);
    fw::testing::renderWindow(*window_); // the construction writes its texts while the canvas paints
    expectEveryTextFits(*window_);
}

INSTANTIATE_TEST_SUITE_P(States, MainWindowTexts, ::testing::ValuesIn(kMainWindowStates));

TEST(AboutWindowTexts, FitTheirControls)
{
    auto about = ::Window2();
    expectEveryTextFits(*about);
    about->Close();
}

// The texts are measured in the fonts the controls really draw with: "System" is the installed
// system font at its size, not a substitute, and the About labels' "Arial" has Arial's metrics.
TEST(WindowFonts, AreTheInstalledFamiliesAtTheirSizes)
{
    Globals::resetToStartValues();
    auto main = ::Window1();
    auto about = ::Window2();
    const QFontInfo system(main->StaticText1()->widget()->font());
    EXPECT_EQ(system.family().toStdString(), fw::kSystemFontFamily);
    EXPECT_EQ(system.pixelSize(), fw::kSystemFontPixels);
    for (const auto& c : main->controls())
        if (c->widget()->font() != main->StaticText1()->widget()->font() && textIn(*c))
            ADD_FAILURE() << c->Name() << " is not in the system font";
    const QFontInfo arial(about->StaticText1()->widget()->font());
    EXPECT_TRUE(arial.family() == QLatin1String("Arial") || arial.family() == QLatin1String("Liberation Sans"))
        << arial.family().toStdString();
    EXPECT_EQ(arial.pixelSize(), 12);
    about->Close();
    main->Close();
    fw::testing::processEvents();
}

} // namespace
