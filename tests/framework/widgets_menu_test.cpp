// The menu tree, the window's menu bar built from it, and choosing items with a window in front.
#include "widgets_fixture.h"

#include <framework/application.h>
#include <framework/menu.h>
#include <framework/runtime.h>
#include <framework/testing.h>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <optional>
#include <thread>

namespace widgets_test {
namespace {

using widgets_test::PrintTo;

// An item whose default action can be seen.
class CountingItem : public fw::MenuItem {
public:
    void defaultAction() override { ++defaultActions; }
    int defaultActions = 0;
};

std::shared_ptr<fw::MenuItem> item(std::shared_ptr<fw::MenuItem> made, std::string name, std::string caption,
                                   std::string shortcut = {})
{
    made->setName(std::move(name));
    made->setAutoEnabled(true);
    made->setValue(std::move(caption));
    made->setVisible(true);
    if (made->Value() != "-")
        made->setShortcut(std::move(shortcut));
    return made;
}

inline constexpr auto kMenuWindowRecord = fw::record::encode([] { return windowEntries(400, 300, false, true); });

class MenuTest : public WidgetsTest {
protected:
    void SetUp() override
    {
        bar = std::make_shared<fw::MenuBar>();
        auto file = item(std::make_shared<fw::MenuItem>(), "FileMenu", "&File");
        bar->AddMenu(file);
        about = std::make_shared<CountingItem>();
        file->AddMenu(item(about, "aboutItem", "About ..."));
        file->AddMenu(item(std::make_shared<fw::MenuItem>(), "UntitledSeparator", "-"));
        file->AddMenu(item(std::make_shared<fw::QuitMenuItem>(), "FileQuit", "E&xit"));
        print = std::make_shared<CountingItem>();
        file->AddMenu(item(print, "FilePrint", "Print ...", "Ctrl+P"));
        bar->AddMenu(item(std::make_shared<fw::MenuItem>(), "EditMenu", "&Edit"));
        auto application = std::make_shared<fw::Application>();
        application->setMenuBar(bar);
        fw::RegisterApplication(application);
        fw::clearQuitRequest();
    }

    void TearDown() override
    {
        WidgetsTest::TearDown();
        fw::RegisterApplication(nullptr);
        fw::clearQuitRequest();
    }

    std::shared_ptr<FakeWindow> buildWithMenuBar(const std::function<void(FakeWindow&)>& handlers = {})
    {
        return build([&handlers](FakeWindow& w) {
            w.hooks[fw::WindowEvent::Layout] = [&w] { fw::SetProperties(w, kMenuWindowRecord); };
            if (handlers)
                w.hooks[fw::WindowEvent::AddMenuHandlers] = [&w, handlers] { handlers(w); };
        });
    }

    static QMenuBar* menuBarOf(const fw::Window& window) { return window.widget()->findChild<QMenuBar*>(); }

    std::shared_ptr<fw::MenuBar> bar;
    std::shared_ptr<CountingItem> about, print;
};

TEST_F(MenuTest, AppendedItemsKeepTheirOrderAndAreFoundByName)
{
    auto file = bar->Child("FileMenu");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->children().size(), 4u);
    EXPECT_EQ(file->children()[2]->Name(), "FileQuit") << "Exit is the third item";
    EXPECT_EQ(file->children()[2]->className(), "QuitMenuItem");
    EXPECT_TRUE(file->children()[1]->isSeparator());
    EXPECT_FALSE(file->children()[1]->Shortcut().has_value());
    EXPECT_EQ(bar->Child("EditMenu"), bar->children()[1]);
    EXPECT_EQ(bar->Child("aboutItem"), nullptr) << "Child looks at the first level only";
    EXPECT_EQ(bar->Child("NoSuchMenu"), nullptr);
}

TEST_F(MenuTest, NothingAndLoopsCannotBeAppended)
{
    auto file = bar->Child("FileMenu");
    EXPECT_THROW(file->AddMenu(nullptr), fw::NilObjectException);
    EXPECT_THROW(file->AddMenu(file), fw::RuntimeException);
    EXPECT_THROW(file->AddMenu(bar), fw::RuntimeException);
    EXPECT_EQ(file->children().size(), 4u);
}

TEST_F(MenuTest, MenusAreNotChangedOnAnotherThread)
{
    auto edit = bar->Child("EditMenu");
    bool refused = false;
    std::thread([&refused, edit] {
        try {
            edit->AddMenu(std::make_shared<fw::MenuItem>());
        } catch (const fw::RuntimeException&) {
            refused = true;
        }
    }).join();
    EXPECT_TRUE(refused);
    EXPECT_TRUE(edit->children().empty());
}

struct ChoiceCase {
    const char* name;
    std::string_view itemName;
    std::optional<bool> handlerAnswer; // nothing: no handler registered
    int handlerRuns, defaultActions;
};

class MenuChoiceTest : public MenuTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(MenuChoiceTest, TheWindowsHandlerRunsAndTheDefaultActionUnlessItAnsweredTrue)
{
    const ChoiceCase& c = GetParam();
    int handlerRuns = 0;
    auto window = buildWithMenuBar([&](FakeWindow& w) {
        if (c.handlerAnswer)
            w.AddMenuHandler(std::string(c.itemName), [&handlerRuns, answer = *c.handlerAnswer] {
                ++handlerRuns;
                return answer;
            });
    });
    fw::ChooseMenuItem(*window, c.itemName);
    EXPECT_EQ(handlerRuns, c.handlerRuns);
    EXPECT_EQ(about->defaultActions + print->defaultActions, c.defaultActions);
    EXPECT_FALSE(fw::quitRequested().has_value());
}

INSTANTIATE_TEST_SUITE_P(Choices, MenuChoiceTest,
                         ::testing::Values(ChoiceCase{"HandlerAnswersFalse", "aboutItem", false, 1, 1},
                                           ChoiceCase{"HandlerAnswersTrue", "FilePrint", true, 1, 0},
                                           ChoiceCase{"NoHandler", "FilePrint", std::nullopt, 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuTest, TheQuitItemsDefaultActionQuitsWithStatus0)
{
    auto window = buildWithMenuBar();
    fw::ChooseMenuItem(*window, "FileQuit");
    EXPECT_EQ(fw::quitRequested(), 0);
}

TEST_F(MenuTest, ChoosingWithoutApplicationBarOrItemFails)
{
    auto window = buildWithMenuBar();
    EXPECT_THROW(fw::ChooseMenuItem(*window, "NoSuchItem"), fw::NilObjectException);
    fw::app()->setMenuBar(nullptr);
    EXPECT_THROW(fw::ChooseMenuItem(*window, "FilePrint"), fw::NilObjectException);
    fw::RegisterApplication(nullptr);
    EXPECT_THROW(fw::ChooseMenuItem(*window, "FilePrint"), fw::NilObjectException);
}

TEST_F(MenuTest, TheWindowShowsTheApplicationsMenuBarAboveItsContentArea)
{
    auto window = buildWithMenuBar();
    QMenuBar* qbar = menuBarOf(*window);
    ASSERT_NE(qbar, nullptr);
    const auto menus = qbar->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text().toStdString(), "&File");
    EXPECT_EQ(menus[1]->text().toStdString(), "&Edit");
    const auto items = menus[0]->menu()->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text().toStdString(), "About ...");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text().toStdString(), "E&xit");
    EXPECT_EQ(items[3]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_TRUE(items[0]->shortcut().isEmpty());

    auto image = fw::testing::renderWindow(*window);
    EXPECT_EQ(image->height(), 300) << "the content keeps its height below the bar";
    EXPECT_GT(window->widget()->height(), 300);
}

TEST_F(MenuTest, ChoosingFromTheWindowsMenuBarRunsThatWindowsHandler)
{
    int prints = 0;
    auto window = buildWithMenuBar([&prints](FakeWindow& w) {
        w.AddMenuHandler("FilePrint", [&prints] {
            ++prints;
            return false;
        });
    });
    EXPECT_TRUE(window->hasMenuHandler("FilePrint"));
    EXPECT_FALSE(window->hasMenuHandler("aboutItem"));
    menuBarOf(*window)->actions()[0]->menu()->actions()[3]->trigger();
    EXPECT_EQ(prints, 1);
    EXPECT_EQ(print->defaultActions, 1);
}

TEST_F(MenuTest, AWindowWhoseRecordHidesTheMenuBarHasNone)
{
    auto window = build();
    EXPECT_EQ(menuBarOf(*window), nullptr);
}

} // namespace
} // namespace widgets_test
