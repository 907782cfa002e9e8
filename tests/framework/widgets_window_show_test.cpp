// Showing a window that exists: it comes back to the front whatever the user did with it.
#include "widgets_fixture.h"

#include <QApplication>
#include <QWidget>

#include <functional>
#include <string>

namespace widgets_test {
namespace {

using widgets_test::PrintTo;

struct ShowCase {
    const char* name;
    // Puts the shown window out of the user's sight; the other window is open beside it.
    std::function<void(QWidget& shown, QWidget& other)> putAway;
    Qt::WindowStates stateAfterShow;
};

class WindowShowTest : public WidgetsTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(WindowShowTest, ShowBringsTheWindowBackActiveAndInFront)
{
    auto shown = build();
    auto other = build();
    QWidget& widget = *shown->widget();
    GetParam().putAway(widget, *other->widget());
    fw::testing::processEvents();

    shown->Show();
    fw::testing::processEvents();

    EXPECT_EQ(widget.windowState(), GetParam().stateAfterShow);
    EXPECT_TRUE(widget.isVisible());
    EXPECT_EQ(QApplication::activeWindow(), &widget) << "the shown window has the keyboard";
}

INSTANTIATE_TEST_SUITE_P(
    PutAwayBefore, WindowShowTest,
    ::testing::Values(
        ShowCase{"minimised", [](QWidget& w, QWidget&) { w.setWindowState(Qt::WindowMinimized); },
                 Qt::WindowNoState},
        ShowCase{"minimised_from_maximised",
                 [](QWidget& w, QWidget&) { w.setWindowState(Qt::WindowMaximized | Qt::WindowMinimized); },
                 Qt::WindowMaximized},
        ShowCase{"behind_another_window",
                 [](QWidget&, QWidget& other) {
                     other.raise();
                     other.activateWindow();
                 },
                 Qt::WindowNoState}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace widgets_test
