// The main window on a screen of 1024 x 768: shown whole at a smaller factor, working as at full size.
#include "main_window_fixture.h"

#include <framework/image.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <cstdint>

namespace {

using fw::testing::mousePress;
using fw::testing::mouseMove;
using fw::testing::mouseRelease;

class SmallScreenTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        fw::testing::processEvents(); // the window is fitted again once it has its frame
        scale = window->scaleFactor();
    }

    // The screen pixel of the control that shows a pixel of its layout.
    std::int64_t shown(std::int64_t layoutPixel) const { return std::llround(static_cast<double>(layoutPixel) * scale); }

    double scale = 1.0;
};

TEST_F(SmallScreenTest, TheWholeWindowWithItsFrameLiesOnTheScreen)
{
    ASSERT_LT(scale, 1.0);
    EXPECT_GT(scale, 0.8) << "only as much smaller as the screen asks";
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = window->widget()->frameGeometry();
    EXPECT_TRUE(screen.contains(frame)) << "frame " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                        << frame.height();
    EXPECT_GE(frame.bottom(), screen.bottom() - 1) << "no smaller than it must be";
    // The layout keeps its proportions, and its own numbers.
    auto content = fw::testing::renderWindow(*window);
    EXPECT_EQ(content->width(), shown(894));
    EXPECT_EQ(content->height(), shown(813));
    EXPECT_EQ(window->Width(), 894);
    EXPECT_EQ(window->Canvas1()->Width(), 636);
    EXPECT_EQ(window->Canvas1()->Height(), 553);
    EXPECT_EQ(Globals::gw, 636);
    EXPECT_EQ(Globals::gh, 553);
}

TEST_F(SmallScreenTest, EveryControlLiesAtItsLayoutPlaceTimesTheFactor)
{
    const QWidget* content = nullptr; // the window's area below the menu bar
    for (const auto& control : window->controls())
        if (!control->parentControl())
            content = control->widget()->parentWidget();
    ASSERT_TRUE(content);
    for (const auto& control : window->controls()) {
        SCOPED_TRACE(control->Name());
        const QWidget* widget = control->widget();
        const QPoint at = widget->mapTo(content, QPoint(0, 0));
        EXPECT_NEAR(at.x(), control->Left() * scale, 0.5);
        EXPECT_NEAR(at.y(), control->Top() * scale, 0.5);
        EXPECT_NEAR(widget->width(), control->Width() * scale, 1.0);
        EXPECT_NEAR(widget->height(), control->Height() * scale, 1.0);
    }
}

TEST_F(SmallScreenTest, TheCanvasReportsTheMouseInItsLayoutPixels)
{
    auto canvas = window->Canvas1();
    // A projecting click where the screen shows the canvas's point (372, 328).
    mousePress(*canvas, shown(372), shown(328));
    mouseRelease(*canvas, shown(372), shown(328));
    EXPECT_TRUE(Globals::inProjectingMode);
    EXPECT_NEAR(Globals::Mx, 372, 1);
    EXPECT_NEAR(Globals::My, 328, 1);
    // The last screen pixel of the canvas is still on the canvas.
    auto image = fw::testing::renderControl(*canvas);
    mousePress(*canvas, image->width() - 1, image->height() - 1);
    mouseRelease(*canvas, image->width() - 1, image->height() - 1);
    EXPECT_GE(Globals::Mx, 634);
    EXPECT_LE(Globals::Mx, 635);
    EXPECT_GE(Globals::My, 551);
    EXPECT_LE(Globals::My, 552);
}

TEST_F(SmallScreenTest, TheHandleIsDraggedInLayoutPixels)
{
    auto canvas = window->Canvas1();
    mousePress(*canvas, shown(300), shown(400));
    mouseMove(*canvas, shown(500), shown(200));
    mouseRelease(*canvas, shown(500), shown(200));
    EXPECT_FALSE(Globals::inProjectingMode) << "the press hit the handle";
    EXPECT_NEAR(Globals::Nx, 500, 1);
    EXPECT_NEAR(Globals::Ny, 200, 1);
}

TEST_F(SmallScreenTest, TheCanvasShowsTheDiagramAtTheFactor)
{
    auto image = fw::testing::renderControl(*window->Canvas1());
    EXPECT_EQ(image->width(), shown(636));
    EXPECT_EQ(image->height(), shown(553));
    // The black axes cross at the handle, (300, 400) of the layout.
    auto dark = [&](std::int64_t x, std::int64_t y) {
        const fw::Color c = image->pixel(x, y);
        return fw::redOf(c) < 80 && fw::greenOf(c) < 80 && fw::blueOf(c) < 80;
    };
    int timeAxis = 0, spaceAxis = 0;
    for (std::int64_t y = 0; y < image->height(); ++y)
        timeAxis += dark(shown(300), y) || dark(shown(300) - 1, y) || dark(shown(300) + 1, y);
    for (std::int64_t x = 0; x < image->width(); ++x)
        spaceAxis += dark(x, shown(400)) || dark(x, shown(400) - 1) || dark(x, shown(400) + 1);
    EXPECT_GT(timeAxis, image->height() * 8 / 10) << "the upright black time axis through x = 300";
    EXPECT_GT(spaceAxis, image->width() * 8 / 10) << "the level black space axis through y = 400";
}

TEST_F(SmallScreenTest, QuitStillEndsTheProgramWithZero)
{
    fw::testing::click(*window->PushButton3());
    EXPECT_EQ(fw::quitRequested(), 0);
}

TEST_F(SmallScreenTest, TheAboutWindowFitsAndKeepsItsSize)
{
    fw::testing::click(*window->PushButton5());
    fw::testing::processEvents();
    auto about = fw::GetImplicitWindow("Window2.Window2");
    ASSERT_TRUE(about);
    EXPECT_EQ(about->scaleFactor(), 1.0);
    EXPECT_EQ(fw::testing::renderWindow(*about)->width(), 545);
}

} // namespace
