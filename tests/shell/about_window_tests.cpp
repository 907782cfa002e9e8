// The About window: its record and controls, its one-instance rule, its cursors and its links.
#include <about_window/vumo2020.h>
#include <about_window/window2.h>

#include <framework/picture.h>
#include <framework/testing.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ios>
#include <string>
#include <variant>
#include <vector>

namespace {

// The host and address this program's About window names; the label shows the host.
constexpr const char* kWebSiteUrl = "http://tovalin.test";
constexpr const char* kMailUrl = "mailto:zavik@tovalin.test";

class AboutWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { fw::SetResourceFolders({TOVALIN_SHELL_RESOURCES}); }
    static void TearDownTestSuite() { fw::SetResourceFolders({}); }

    void SetUp() override
    {
        fw::setUrlHandler([this](const std::string& url) { opened_.push_back(url); });
    }
    void TearDown() override
    {
        if (auto window = fw::GetImplicitWindow("Window2.Window2"))
            window->Close();
        fw::setUrlHandler({});
    }

    std::vector<std::string> opened_;
};

template <class T>
T stored(const fw::PropertySheet& sheet, const char* name)
{
    const fw::PropertyValue* value = sheet.storedProperty(name);
    if (!value) {
        ADD_FAILURE() << name << " was never set";
        return T{};
    }
    return std::get<T>(*value);
}

void expectWindowAsBuilt(shell::Window2& w)
{
    EXPECT_EQ(w.Title(), "about Tovalin");
    EXPECT_EQ(w.Width(), 545);
    EXPECT_EQ(w.Height(), 328);
    EXPECT_FALSE(w.Resizeable());
    // The close box is the only title-bar button.
    EXPECT_TRUE(stored<bool>(w, "HasCloseButton"));
    EXPECT_FALSE(stored<bool>(w, "HasMinimizeButton"));
    EXPECT_FALSE(stored<bool>(w, "HasMaximizeButton"));
    EXPECT_FALSE(stored<bool>(w, "HasFullScreenButton"));
    EXPECT_TRUE(stored<bool>(w, "MenuBarVisible"));
    EXPECT_FALSE(stored<bool>(w, "HasBackgroundColor"));
}

struct Placement {
    const char* name;
    const char* parent; // "" for the window itself
    std::int64_t left, top, width, height;
};

// Window coordinates, also for the two labels inside the frame.
const Placement kPlacements[] = {
    {"Rectangle1", "", 43, 36, 203, 251},
    {"StaticText1", "Rectangle1", 55, 43, 171, 83},
    {"StaticText2", "Rectangle1", 55, 228, 87, 27},
    {"Canvas1", "", 304, 36, 194, 251},
};

void expectControlsAsBuilt(shell::Window2& w)
{
    ASSERT_EQ(w.controls().size(), std::size(kPlacements));
    for (std::size_t i = 0; i < std::size(kPlacements); ++i) {
        const auto& p = kPlacements[i];
        SCOPED_TRACE(p.name);
        const auto& control = *w.controls()[i];
        EXPECT_EQ(control.Name(), p.name) << "created in this order";
        EXPECT_EQ(control.Left(), p.left);
        EXPECT_EQ(control.Top(), p.top);
        EXPECT_EQ(control.Width(), p.width);
        EXPECT_EQ(control.Height(), p.height);
        EXPECT_EQ(control.parentControl() ? control.parentControl()->Name() : "", p.parent);
        EXPECT_TRUE(control.Visible());
        EXPECT_TRUE(control.Enabled());
    }
}

void expectTextsAsBuilt(shell::Window2& w)
{
    const std::string text = w.StaticText1()->Value();
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "every line break is CR LF";
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const auto end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 4u) << "four lines, no break after the last";
    EXPECT_EQ(lines[0], "Windows  64 bit  version 1.6");
    EXPECT_EQ(lines[1].rfind("created with ", 0), 0u) << lines[1];
    EXPECT_GT(lines[1].size(), std::string("created with   Feb 2020").size()) << "names a tool";
    EXPECT_EQ(lines[1].substr(lines[1].size() - 10), "  Feb 2020") << lines[1];
    EXPECT_EQ(lines[1].find("   "), std::string::npos) << "two blanks before the date, not three";
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "zavik quenzlar");

    EXPECT_EQ("http://" + w.StaticText2()->Value(), kWebSiteUrl) << "the label shows the host it opens";
}

void expectLooksAsBuilt(shell::Window2& w)
{
    const auto text = w.StaticText1();
    const auto link = w.StaticText2();
    EXPECT_EQ(text->TextColor(), fw::RGB(0, 0, 0));
    EXPECT_EQ(link->TextColor(), fw::RGB(0, 64, 128)) << "&h00004080, dark blue";
    EXPECT_FALSE(stored<bool>(*text, "Underline"));
    EXPECT_TRUE(stored<bool>(*link, "Underline"));
    EXPECT_TRUE(stored<bool>(*text, "MultiLine"));
    EXPECT_FALSE(stored<bool>(*link, "MultiLine"));
    for (const auto& label : {text, link}) {
        EXPECT_EQ(stored<std::string>(*label, "FontName"), "Arial");
        EXPECT_EQ(stored<float>(*label, "FontSize"), 12.0f);
        EXPECT_FALSE(stored<bool>(*label, "Bold"));
        EXPECT_FALSE(stored<bool>(*label, "Transparent"));
    }
    EXPECT_EQ(text->TabIndex(), 0);
    EXPECT_EQ(link->TabIndex(), 1);

    const auto frame = w.Rectangle1();
    EXPECT_EQ(stored<double>(*frame, "BorderThickness"), 1.0);
    EXPECT_EQ(stored<fw::Color>(*frame, "FillColor"), fw::RGB(255, 255, 255));
    EXPECT_EQ(stored<fw::Color>(*frame, "TopLeftColor"), fw::RGB(0, 0, 0));
    EXPECT_EQ(stored<fw::Color>(*frame, "BottomRightColor"), fw::RGB(0, 0, 0));
    EXPECT_TRUE(stored<bool>(*frame, "Transparent"));
    EXPECT_TRUE(stored<bool>(*w.Canvas1(), "Transparent"));
    EXPECT_FALSE(stored<bool>(*w.Canvas1(), "DoubleBuffer"));
}

TEST_F(AboutWindow, HasItsTitleSizeAndOnlyTheCloseBox)
{
    expectWindowAsBuilt(*Window2());
}

TEST_F(AboutWindow, HoldsItsFourControlsWhereItsRecordsPutThem)
{
    expectControlsAsBuilt(*Window2());
}

TEST_F(AboutWindow, ShowsTheFourLineAboutTextAndTheWebSitesHost)
{
    expectTextsAsBuilt(*Window2());
}

TEST_F(AboutWindow, LabelsFrameAndCanvasHaveTheirColoursAndFonts)
{
    expectLooksAsBuilt(*Window2());
}

TEST_F(AboutWindow, ThePictureIsTheCanvasBackdrop)
{
    const auto w = Window2();
    ASSERT_NE(w->Canvas1()->Backdrop(), nullptr);
    EXPECT_EQ(w->Canvas1()->Backdrop(), Vumo2020());
}

bool isInk(fw::Color c)
{
    return fw::redOf(c) < 100 && fw::greenOf(c) < 100 && fw::blueOf(c) < 100;
}
bool isRed(fw::Color c)
{
    return fw::redOf(c) > 150 && fw::greenOf(c) < 100 && fw::blueOf(c) < 100;
}
bool isWhite(fw::Color c)
{
    return fw::redOf(c) > 247 && fw::greenOf(c) > 247 && fw::blueOf(c) > 247; // paler than the window
}

struct PicturePixel {
    const char* name;
    int x, y; // in the picture's own pixels
    bool (*looks)(fw::Color);
};

// The picture's upright black axes cross at (97, 140); its red time axis passes through (130, 96).
TEST_F(AboutWindow, TheWindowShowsThePictureWhereTheCanvasStands)
{
    const auto w = Window2();
    const auto image = fw::testing::renderWindow(*w);
    const auto canvas = w->Canvas1();
    const PicturePixel pixels[] = {
        {"black time axis", 97, 60, isInk},
        {"black space axis", 40, 140, isInk},
        {"red time axis", 130, 96, isRed},
        {"white ground left of the time axis", 91, 60, isWhite},
        {"white ground right of the time axis", 103, 60, isWhite},
        {"white ground in the top left corner", 5, 5, isWhite},
    };
    for (const auto& p : pixels) {
        SCOPED_TRACE(p.name);
        const auto x = static_cast<int>(canvas->Left()) + p.x;
        const auto y = static_cast<int>(canvas->Top()) + p.y;
        const fw::Color c = image->pixel(x, y);
        EXPECT_TRUE(p.looks(c)) << "window pixel (" << x << ", " << y << ") is #" << std::hex << c;
    }
}

// The About text is three inked lines with the empty third line between the second and the last;
// a font too wide for the label would wrap the first line into a fourth, a font too tall would cut
// the last line off at the label's bottom.
TEST_F(AboutWindow, TheFourLinesOfTheAboutTextFitTheirLabelWithoutWrapping)
{
    const auto w = Window2();
    const auto image = fw::testing::renderControl(*w->StaticText1());
    struct Band {
        int top, bottom, left, right;
    };
    std::vector<Band> bands;
    bool inBand = false;
    for (int y = 0; y < image->height(); ++y) {
        int left = image->width(), right = -1;
        for (int x = 0; x < image->width(); ++x) {
            if (isInk(image->pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (right < 0) {
            inBand = false;
            continue;
        }
        if (!inBand)
            bands.push_back({y, y, left, right});
        Band& band = bands.back();
        band.bottom = y;
        band.left = std::min(band.left, left);
        band.right = std::max(band.right, right);
        inBand = true;
    }
    ASSERT_EQ(bands.size(), 3u) << "lines 1, 2 and 4 inked, each on one line";
    const int lineStep = bands[1].top - bands[0].top;
    EXPECT_GT(bands[2].top - bands[1].top, lineStep * 3 / 2) << "the empty third line stands between";
    EXPECT_LT(bands[2].bottom, image->height() - 1) << "the last line is not cut off";
    EXPECT_GT(bands[0].right - bands[0].left, image->width() / 2) << "the first line is whole";
    for (const Band& band : bands)
        EXPECT_LT(band.right, image->width() - 1) << "no line reaches the label's right edge";
}

TEST_F(AboutWindow, WhileOpenEveryRequestGivesTheSameWindow)
{
    const auto first = Window2();
    first->Show();
    const auto second = Window2();
    second->Show();
    EXPECT_EQ(first, second);
    EXPECT_TRUE(first->isOpen());
}

TEST_F(AboutWindow, AfterClosingTheNextRequestBuildsAFreshWindowLikeTheFirst)
{
    const auto first = Window2();
    const auto picture = first->Canvas1()->Backdrop();
    first->Close();
    EXPECT_FALSE(first->isOpen());
    EXPECT_EQ(fw::GetImplicitWindow("Window2.Window2"), nullptr);

    const auto fresh = Window2();
    EXPECT_NE(fresh, first);
    EXPECT_TRUE(fresh->isOpen());
    EXPECT_NE(fresh->StaticText2(), first->StaticText2()) << "new controls";
    expectWindowAsBuilt(*fresh);
    expectControlsAsBuilt(*fresh);
    expectTextsAsBuilt(*fresh);
    expectLooksAsBuilt(*fresh);
    EXPECT_EQ(fresh->Canvas1()->Backdrop(), picture) << "the picture is loaded once for the run";

    // The fresh window's links work: its handlers were bound anew.
    fw::testing::click(*fresh->StaticText2());
    EXPECT_EQ(opened_, std::vector<std::string>{kWebSiteUrl});
}

TEST_F(AboutWindow, HandlesOnlyItsTwoConstructionHooks)
{
    const auto w = Window2();
    for (const char* event : {"Layout", "CreateControls"})
        EXPECT_TRUE(w->IsEventImplemented(event)) << event;
    for (const char* event : {"Open", "Close", "AddMenuHandlers", "Paint", "MouseDown", "CancelClose"})
        EXPECT_FALSE(w->IsEventImplemented(event)) << event;
    for (const char* item : {"aboutItem", "FilePageSetup", "FilePrint", "FileQuit"})
        EXPECT_FALSE(w->hasMenuHandler(item)) << item;
}

struct ClickCase {
    const char* name;
    const char* control;
    std::int64_t pressX, pressY, releaseX, releaseY; // in the control's own pixels
    const char* url;
};

class AboutLinks : public AboutWindow, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(AboutLinks, APressAndReleaseOpensItsUrlOnceWhereverThePointerIs)
{
    const auto& c = GetParam();
    const auto w = Window2();
    auto control = w->ControlByName(c.control);
    ASSERT_NE(control, nullptr);
    fw::testing::mousePress(*control, c.pressX, c.pressY);
    EXPECT_TRUE(opened_.empty()) << "the press alone opens nothing";
    fw::testing::mouseRelease(*control, c.releaseX, c.releaseY);
    EXPECT_EQ(opened_, std::vector<std::string>{c.url});

    fw::testing::mousePress(*control, c.pressX, c.pressY);
    fw::testing::mouseRelease(*control, c.releaseX, c.releaseY);
    EXPECT_EQ(opened_, (std::vector<std::string>{c.url, c.url})) << "a second click, a second time";
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, AboutLinks,
    ::testing::Values(
        ClickCase{"link_label_centre", "StaticText2", 43, 13, 43, 13, kWebSiteUrl},
        ClickCase{"link_label_corner_released_elsewhere", "StaticText2", 0, 0, 80, 20, kWebSiteUrl},
        ClickCase{"link_label_released_outside_it", "StaticText2", 10, 10, 300, -50, kWebSiteUrl},
        ClickCase{"picture_centre", "Canvas1", 97, 125, 97, 125, kMailUrl},
        ClickCase{"picture_bottom_right_corner", "Canvas1", 193, 250, 193, 250, kMailUrl},
        ClickCase{"picture_released_outside_it", "Canvas1", 5, 5, -200, 400, kMailUrl}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AboutWindow, ClickingTheFrameOrTheAboutTextOpensNothing)
{
    const auto w = Window2();
    fw::testing::click(*w->StaticText1());
    fw::testing::click(*w->Rectangle1());
    EXPECT_TRUE(opened_.empty());
}

struct CursorCase {
    const char* name;
    const char* entered;
    const char* other;
};

class AboutCursors : public AboutWindow, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(AboutCursors, TheFingerShowsOverTheEnteredLinkOnlyAndTheArrowComesBackOnLeaving)
{
    const auto w = Window2();
    const auto entered = w->ControlByName(GetParam().entered);
    const auto other = w->ControlByName(GetParam().other);
    EXPECT_EQ(entered->MouseCursor(), fw::Cursors::StandardPointer);
    fw::testing::mouseEnter(*entered);
    EXPECT_EQ(entered->MouseCursor(), fw::Cursors::FingerPointer);
    EXPECT_EQ(other->MouseCursor(), fw::Cursors::StandardPointer) << "the cursor is set on the sender";
    fw::testing::mouseLeave(*entered);
    EXPECT_EQ(entered->MouseCursor(), fw::Cursors::StandardPointer);
    EXPECT_TRUE(opened_.empty()) << "moving over a link opens nothing";
}

INSTANTIATE_TEST_SUITE_P(Links, AboutCursors,
                         ::testing::Values(CursorCase{"link_label", "StaticText2", "Canvas1"},
                                           CursorCase{"picture", "Canvas1", "StaticText2"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
