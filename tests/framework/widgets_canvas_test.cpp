// Canvases: mouse gestures gated by MouseDown's answer, and painting over the backdrop.
#include "widgets_fixture.h"

#include <framework/picture.h>

#include <QImage>
#include <QTemporaryDir>

namespace widgets_test {
namespace {

using widgets_test::PrintTo;

inline constexpr auto kCanvas = fw::record::encode([] { return canvasEntries({"Canvas1", 33, 35, 200, 150}); });
inline constexpr auto kLink = fw::record::encode(
    [] { return labelEntries({"Link", 250, 35, 87, 27}, "example.org", false, "Arial", 12.0f, true, 0x00004080); });

class CanvasTest : public WidgetsTest {
protected:
    void SetUp() override
    {
        window = buildWith([](FakeWindow& w) {
            w.createControl<fw::Canvas>("Canvas1", kCanvas);
            w.createControl<fw::Label>("Link", kLink);
        });
        canvas = window->controlAs<fw::Canvas>("Canvas1");
    }

    void logMouse(bool acceptDown)
    {
        auto at = [this](const char* what, std::int64_t x, std::int64_t y) {
            log.push_back(std::string(what) + " " + std::to_string(x) + "," + std::to_string(y));
        };
        canvas->MouseDown.bind([at, acceptDown](fw::Canvas&, std::int64_t x, std::int64_t y) {
            at("down", x, y);
            return acceptDown;
        });
        canvas->MouseDrag.bind([at](fw::Canvas&, std::int64_t x, std::int64_t y) { at("drag", x, y); });
        canvas->MouseUp.bind([at](fw::Canvas&, std::int64_t x, std::int64_t y) { at("up", x, y); });
        canvas->MouseMove.bind([at](fw::Canvas&, std::int64_t x, std::int64_t y) { at("move", x, y); });
        canvas->MouseEnter.bind([this](fw::Canvas&) { log.push_back("enter"); });
        canvas->MouseExit.bind([this](fw::Canvas&) { log.push_back("exit"); });
    }

    std::shared_ptr<FakeWindow> window;
    std::shared_ptr<fw::Canvas> canvas;
    std::vector<std::string> log;
};

struct GestureCase {
    const char* name;
    bool acceptDown;
    std::vector<std::string> expected;
};

class CanvasGestureTest : public CanvasTest, public ::testing::WithParamInterface<GestureCase> {};

TEST_P(CanvasGestureTest, DragAndUpFollowOnlyAMouseDownAnsweredTrue)
{
    logMouse(GetParam().acceptDown);
    fw::testing::mouseEnter(*canvas);
    fw::testing::mouseMove(*canvas, 300, 400);
    fw::testing::mousePress(*canvas, 307, 393);
    fw::testing::mouseMove(*canvas, 310, 395);
    fw::testing::mouseRelease(*canvas, 311, 396);
    fw::testing::mouseMove(*canvas, 20, 21);
    fw::testing::mouseLeave(*canvas);
    EXPECT_EQ(log, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CanvasGestureTest,
    ::testing::Values(GestureCase{"DownAnsweredTrue",
                                  true,
                                  {"enter", "move 300,400", "down 307,393", "drag 310,395", "up 311,396", "move 20,21", "exit"}},
                      GestureCase{"DownAnsweredFalse",
                                  false,
                                  {"enter", "move 300,400", "down 307,393", "move 20,21", "exit"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CanvasTest, AnUnboundMouseDownBringsNoDragOrUp)
{
    canvas->MouseDrag.bind([this](fw::Canvas&, std::int64_t, std::int64_t) { log.push_back("drag"); });
    canvas->MouseUp.bind([this](fw::Canvas&, std::int64_t, std::int64_t) { log.push_back("up"); });
    fw::testing::mousePress(*canvas, 5, 5);
    fw::testing::mouseMove(*canvas, 6, 6);
    fw::testing::mouseRelease(*canvas, 6, 6);
    EXPECT_TRUE(log.empty());
}

TEST_F(CanvasTest, AHiddenCanvasGetsNoMouse)
{
    logMouse(true);
    canvas->setVisible(false);
    fw::testing::mousePress(*canvas, 5, 5);
    fw::testing::mouseRelease(*canvas, 5, 5);
    EXPECT_TRUE(log.empty());
}

TEST_F(CanvasTest, ALabelDeliversMouseUpOnlyAfterMouseDownAnsweredTrue)
{
    auto link = window->controlAs<fw::Label>("Link");
    link->MouseEnter.bind([this](fw::Label&) { log.push_back("enter"); });
    link->MouseExit.bind([this](fw::Label&) { log.push_back("exit"); });
    bool accept = false;
    link->MouseDown.bind([this, &accept](fw::Label&, std::int64_t, std::int64_t) {
        log.push_back("down");
        return accept;
    });
    link->MouseUp.bind([this](fw::Label&, std::int64_t x, std::int64_t y) {
        log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    });
    fw::testing::mouseEnter(*link);
    fw::testing::click(*link);
    accept = true;
    fw::testing::mousePress(*link, 3, 4);
    fw::testing::mouseRelease(*link, 5, 6);
    fw::testing::mouseLeave(*link);
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "down", "down", "up 5,6", "exit"}));
}

TEST_F(CanvasTest, EachPaintGetsAFreshSurfaceForTheWholeCanvas)
{
    std::vector<std::pair<fw::Color, double>> fresh;
    std::vector<fw::Rect> lastAreas;
    canvas->Paint.bind([&](fw::Canvas&, fw::Graphics& g, const std::vector<fw::Rect>& areas) {
        fresh.emplace_back(g.DrawingColor(), g.PenSize());
        lastAreas = areas;
        g.setDrawingColor(fw::RGB(255, 0, 0));
        g.setPenSize(5);
        g.FillRect(0, 0, 200, 150);
    });
    fw::testing::renderControl(*canvas);
    fw::testing::renderControl(*canvas);
    ASSERT_GE(fresh.size(), 2u);
    for (const auto& [colour, pen] : fresh) {
        EXPECT_EQ(colour, fw::RGB(0, 0, 0));
        EXPECT_EQ(pen, 1.0);
    }
    ASSERT_FALSE(lastAreas.empty());
    EXPECT_EQ(lastAreas.front().width, 200);
    EXPECT_EQ(lastAreas.front().height, 150);
}

TEST_F(CanvasTest, RefreshAsksForOneLaterPaint)
{
    fw::testing::processEvents();
    const std::int64_t before = fw::testing::paintCount(*canvas);
    canvas->Refresh(true);
    EXPECT_EQ(fw::testing::refreshCount(*canvas), 1);
    EXPECT_EQ(fw::testing::paintCount(*canvas), before);
    fw::testing::processEvents();
    EXPECT_EQ(fw::testing::paintCount(*canvas), before + 1);
}

TEST_F(CanvasTest, TheBackdropIsDrawnUnscaledAtTheTopLeftBeneathThePaint)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 0));
    ASSERT_TRUE(picture.save(folder.filePath("backdrop.png")));
    fw::SetResourceFolders({folder.path().toStdString()});
    auto backdrop = fw::Picture::FromResources("backdrop.png");
    fw::SetResourceFolders({});
    ASSERT_NE(backdrop, nullptr);

    canvas->setBackdrop(backdrop);
    canvas->Paint.bind([](fw::Canvas&, fw::Graphics& g, const std::vector<fw::Rect>&) {
        g.setDrawingColor(fw::RGB(0, 0, 255));
        g.FillRect(15, 5, 2, 2);
    });
    auto image = fw::testing::renderControl(*canvas);
    EXPECT_EQ(image->pixel(0, 0), fw::RGB(0, 128, 0));
    EXPECT_EQ(image->pixel(19, 9), fw::RGB(0, 128, 0));
    EXPECT_NE(image->pixel(20, 9), fw::RGB(0, 128, 0)) << "the picture keeps its own size";
    EXPECT_NE(image->pixel(19, 10), fw::RGB(0, 128, 0));
    EXPECT_EQ(image->pixel(15, 5), fw::RGB(0, 0, 255)) << "Paint draws over the backdrop";
}

} // namespace
} // namespace widgets_test
