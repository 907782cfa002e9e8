// The menu bar's tree, and its one instance.
#include <shell/implicit_instance.h>
#include <shell/menu_bar1.h>

#include <framework/runtime.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct ExpectedItem {
    const char* place;
    const char* name;
    const char* className;
    const char* caption;
    std::optional<std::string> shortcut; // nullopt: never set, as on a separator
    fw::EditCommand command = fw::EditCommand::None; // what the framework does with the item on a text field
};

// The menu tree as the user sees it, in order; Exit is the File menu's third item.
const std::vector<ExpectedItem> kFileMenu = {
    {"item 1.1", "aboutItem", "PrefsMenuItem", "About ...", ""},
    {"item 1.2", "UntitledSeparator", "MenuItem", "-", std::nullopt},
    {"item 1.3", "FileQuit", "QuitMenuItem", "E&xit", ""},
    {"item 1.4", "FilePageSetup", "MenuItem", "Page Setup ...", ""},
    {"item 1.5", "FilePrint", "MenuItem", "Print ...", "Ctrl+P"},
};
const std::vector<ExpectedItem> kEditMenu = {
    {"item 2.1", "EditUndo", "MenuItem", "&Undo", "Ctrl+Z", fw::EditCommand::Undo},
    {"item 2.2", "UntitledMenu1", "MenuItem", "-", std::nullopt},
    {"item 2.3", "EditCut", "MenuItem", "Cu&t", "Ctrl+X", fw::EditCommand::Cut},
    {"item 2.4", "EditCopy", "MenuItem", "&Copy", "Ctrl+C", fw::EditCommand::Copy},
    {"item 2.5", "EditPaste", "MenuItem", "&Paste", "Ctrl+V", fw::EditCommand::Paste},
    {"item 2.6", "EditClear", "MenuItem", "&Delete", "", fw::EditCommand::Delete},
    {"item 2.7", "UntitledMenu0", "MenuItem", "-", std::nullopt},
    {"item 2.8", "EditSelectAll", "MenuItem", "Select &All", "Ctrl+A", fw::EditCommand::SelectAll},
};
const std::vector<ExpectedItem> kMenus = {
    {"menu 1", "FileMenu", "MenuItem", "&File", ""},
    {"menu 2", "EditMenu", "MenuItem", "&Edit", ""},
};

void expectItem(const fw::MenuItem& item, const ExpectedItem& expected)
{
    SCOPED_TRACE(std::string(expected.place) + " " + expected.name);
    EXPECT_EQ(item.Name(), expected.name);
    EXPECT_EQ(item.className(), expected.className);
    EXPECT_EQ(item.Value(), expected.caption);
    EXPECT_EQ(item.Shortcut(), expected.shortcut);
    EXPECT_EQ(item.editCommand(), expected.command);
    EXPECT_TRUE(item.AutoEnabled());
    EXPECT_TRUE(item.Visible());
}

void expectMenu(const fw::MenuItem& menu, const std::vector<ExpectedItem>& items)
{
    ASSERT_EQ(menu.children().size(), items.size()) << menu.Name();
    for (std::size_t i = 0; i < items.size(); ++i) {
        expectItem(*menu.children()[i], items[i]);
        EXPECT_TRUE(menu.children()[i]->children().empty()) << items[i].name << " has no submenu";
    }
}

void expectWholeTree(const fw::MenuBar& bar)
{
    ASSERT_EQ(bar.children().size(), 2u);
    expectItem(*bar.children()[0], kMenus[0]);
    expectItem(*bar.children()[1], kMenus[1]);
    expectMenu(*bar.children()[0], kFileMenu);
    expectMenu(*bar.children()[1], kEditMenu);
}

TEST(MenuBar1, HoldsTheFileAndEditMenusWithTheirItemsInOrder)
{
    expectWholeTree(*MenuBar1());
}

TEST(MenuBar1, MenusAreFoundOnTheBarByName)
{
    const auto bar = MenuBar1();
    EXPECT_EQ(bar->Child("FileMenu"), bar->children()[0]);
    EXPECT_EQ(bar->Child("EditMenu"), bar->children()[1]);
}

TEST(MenuBar1, ASecondCallReturnsTheSameBarAndBuildsNothing)
{
    const auto first = MenuBar1();
    const auto second = MenuBar1();
    EXPECT_EQ(first, second);
    expectWholeTree(*second);
}

// A bar whose Edit menu fails to build after its File menu was appended, as a failing framework
// call would; switched off, the same class builds normally.
class BarFailingInItsEditMenu : public shell::MenuBar1 {
public:
    static inline bool failing = true;
    void Untitled1() override
    {
        if (failing)
            throw fw::NilObjectException("no Edit menu");
        shell::MenuBar1::Untitled1();
    }
};

TEST(MenuBar1, AFailedBuildKeepsNothingAndTheNextCallBuildsAFreshBar)
{
    shell::ImplicitInstance<BarFailingInItsEditMenu> implicitInstance;
    BarFailingInItsEditMenu::failing = true;
    EXPECT_THROW(implicitInstance.get(), fw::NilObjectException);
    EXPECT_TRUE(implicitInstance.empty());

    BarFailingInItsEditMenu::failing = false;
    const auto bar = implicitInstance.get();
    EXPECT_FALSE(implicitInstance.empty());
    // A new bar from the start: the File menu of the failed build is not carried over.
    expectWholeTree(*bar);
    EXPECT_EQ(implicitInstance.get(), bar);
}

} // namespace
