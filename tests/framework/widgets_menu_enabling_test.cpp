// Automatic enabling of menu items, the Edit items on the focused text field, and shortcuts.
#include "widgets_fixture.h"

#include <framework/application.h>
#include <framework/menu.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <string>
#include <vector>

namespace widgets_test {
namespace {

using widgets_test::PrintTo;

// An item whose default action, if it were ever run, can be seen. Like the program's plain
// commands it brings no action of its own, so only a window's handler turns it on.
class WatchedItem : public fw::MenuItem {
public:
    void defaultAction() override { ++defaultActions; }
    int defaultActions = 0;
};

std::shared_ptr<fw::MenuItem> item(std::shared_ptr<fw::MenuItem> made, std::string name, std::string caption,
                                   std::string shortcut = {}, fw::EditCommand command = fw::EditCommand::None)
{
    made->setName(std::move(name));
    made->setAutoEnabled(true);
    made->setValue(std::move(caption));
    made->setVisible(true);
    made->setShortcut(std::move(shortcut));
    made->setEditCommand(command);
    return made;
}

constexpr std::array kEditCommands{fw::EditCommand::Undo,   fw::EditCommand::Cut,    fw::EditCommand::Copy,
                                   fw::EditCommand::Paste,  fw::EditCommand::Delete, fw::EditCommand::SelectAll};
// The Edit items, named after their commands, in the order of kEditCommands.
constexpr std::array<const char*, 6> kEditItems{"Undo", "Cut", "Copy", "Paste", "Delete", "SelectAll"};

inline constexpr auto kWindowWithBar = fw::record::encode([] { return windowEntries(400, 300, false, true); });
inline constexpr auto kField = fw::record::encode([] { return textFieldEntries({"Field", 10, 10, 120, 22}, "0.6", true); });
inline constexpr auto kFixed =
    fw::record::encode([] { return textFieldEntries({"Fixed", 10, 40, 120, 22}, "fixed", true, true); });
inline constexpr auto kSlider = fw::record::encode([] { return sliderEntries({"Slider", 10, 70, 200, 24}, 5, 0, 10); });

class MenuEnablingTest : public WidgetsTest {
protected:
    void SetUp() override
    {
        auto bar = std::make_shared<fw::MenuBar>();
        auto file = item(std::make_shared<fw::MenuItem>(), "FileMenu", "&File");
        bar->AddMenu(file);
        file->AddMenu(item(std::make_shared<fw::PrefsMenuItem>(), "aboutItem", "About ..."));
        file->AddMenu(item(std::make_shared<fw::QuitMenuItem>(), "FileQuit", "E&xit"));
        print = std::make_shared<WatchedItem>();
        file->AddMenu(item(print, "FilePrint", "Print ...", "Ctrl+P"));
        auto manual = item(std::make_shared<fw::MenuItem>(), "Manual", "Manual");
        manual->setAutoEnabled(false);
        file->AddMenu(manual);
        auto edit = item(std::make_shared<fw::MenuItem>(), "EditMenu", "&Edit");
        bar->AddMenu(edit);
        const std::array<const char*, 6> captions{"&Undo", "Cu&t", "&Copy", "&Paste", "&Delete", "Select &All"};
        const std::array<const char*, 6> shortcuts{"Ctrl+Z", "Ctrl+X", "Ctrl+C", "Ctrl+V", "", "Ctrl+A"};
        // Paste is watched: its shortcut fired where it cannot act would run its default action.
        paste = std::make_shared<WatchedItem>();
        for (std::size_t i = 0; i < kEditCommands.size(); ++i) {
            std::shared_ptr<fw::MenuItem> made =
                kEditCommands[i] == fw::EditCommand::Paste ? paste : std::make_shared<fw::MenuItem>();
            edit->AddMenu(item(made, kEditItems[i], captions[i], shortcuts[i], kEditCommands[i]));
        }
        auto application = std::make_shared<fw::Application>();
        application->setMenuBar(bar);
        fw::RegisterApplication(application);
        fw::clearQuitRequest();
        fw::testing::setClipboardText("");

        window = build([this](FakeWindow& w) {
            w.hooks[fw::WindowEvent::Layout] = [&w] { fw::SetProperties(w, kWindowWithBar); };
            w.hooks[fw::WindowEvent::CreateControls] = [&w] {
                w.createControl<fw::TextField>("Field", kField);
                w.createControl<fw::TextField>("Fixed", kFixed);
                w.createControl<fw::Slider>("Slider", kSlider);
            };
            w.hooks[fw::WindowEvent::AddMenuHandlers] = [&w, this] {
                w.AddMenuHandler("FilePrint", [this] {
                    ++prints;
                    return false;
                });
            };
        });
        field = window->controlAs<fw::TextField>("Field");
        field->TextChange.bind([this](fw::TextField& f) { changes.push_back(f.Value()); });
    }

    void TearDown() override
    {
        WidgetsTest::TearDown();
        fw::RegisterApplication(nullptr);
        fw::clearQuitRequest();
        fw::testing::setClipboardText("");
    }

    static QLineEdit& lineOf(const fw::TextField& f) { return *static_cast<QLineEdit*>(f.widget()); }

    std::array<bool, 6> editItemsEnabled()
    {
        std::array<bool, 6> enabled{};
        for (std::size_t i = 0; i < kEditItems.size(); ++i)
            enabled[i] = fw::testing::menuItemEnabled(*window, kEditItems[i]);
        return enabled;
    }

    // The window is in front, as it is when the user presses a shortcut in it.
    void bringToFront(fw::Window& w)
    {
        w.Show();
        fw::testing::processEvents();
    }

    std::shared_ptr<FakeWindow> window;
    std::shared_ptr<fw::TextField> field;
    std::shared_ptr<WatchedItem> print;
    std::shared_ptr<WatchedItem> paste;
    int prints = 0;
    std::vector<std::string> changes;
};

struct FileItemCase {
    const char* name;
    const char* item;
    bool inWindowWithHandler, inWindowWithout;
};

class FileItemEnabling : public MenuEnablingTest, public ::testing::WithParamInterface<FileItemCase> {};

TEST_P(FileItemEnabling, AnItemIsOnWhereAHandlerOrItsClassGivesItAnAction)
{
    const FileItemCase& c = GetParam();
    EXPECT_EQ(fw::testing::menuItemEnabled(*window, c.item), c.inWindowWithHandler);
    auto bare = std::make_shared<FakeWindow>("Bare.Bare");
    bare->hooks[fw::WindowEvent::Layout] = [&bare] { fw::SetProperties(*bare, kWindowWithBar); };
    bare->Constructor();
    EXPECT_EQ(fw::testing::menuItemEnabled(*bare, c.item), c.inWindowWithout) << "the state is the window's own";
    bare->Close();
}

INSTANTIATE_TEST_SUITE_P(
    Items, FileItemEnabling,
    ::testing::Values(FileItemCase{"plain_item_the_window_handles", "FilePrint", true, false},
                      FileItemCase{"preferences_item_without_handler", "aboutItem", false, false},
                      FileItemCase{"quit_item_brings_its_action", "FileQuit", true, true},
                      FileItemCase{"item_not_automatically_enabled", "Manual", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct EditStateCase {
    const char* name;
    std::function<void(MenuEnablingTest&)> arrange;
    std::array<bool, 6> enabled; // Undo, Cut, Copy, Paste, Delete, Select All
};

class EditItemEnabling : public MenuEnablingTest, public ::testing::WithParamInterface<EditStateCase> {
public:
    fw::TextField& fieldOf(const char* name) { return *window->controlAs<fw::TextField>(name); }
    fw::RectControl& controlOf(const char* name) { return *window->ControlByName(name); }
    void select(const char* name, int start, int length) { lineOf(fieldOf(name)).setSelection(start, length); }
};

TEST_P(EditItemEnabling, EachItemIsOnOnlyWhileItCanActOnTheFocusedField)
{
    GetParam().arrange(*this);
    EXPECT_EQ(editItemsEnabled(), GetParam().enabled);
}

using E = EditItemEnabling;
INSTANTIATE_TEST_SUITE_P(
    States, EditItemEnabling,
    ::testing::Values(
        EditStateCase{"field_without_selection_empty_clipboard",
                      [](auto& t) { fw::testing::giveFocus(static_cast<E&>(t).fieldOf("Field")); },
                      {false, false, false, false, false, true}},
        EditStateCase{"field_with_selection_empty_clipboard",
                      [](auto& t) {
                          fw::testing::giveFocus(static_cast<E&>(t).fieldOf("Field"));
                          static_cast<E&>(t).select("Field", 0, 2);
                      },
                      {false, true, true, false, true, true}},
        EditStateCase{"field_without_selection_text_on_clipboard",
                      [](auto& t) {
                          fw::testing::setClipboardText("0.5");
                          fw::testing::giveFocus(static_cast<E&>(t).fieldOf("Field"));
                      },
                      {false, false, false, true, false, true}},
        EditStateCase{"field_after_typing",
                      [](auto& t) {
                          fw::testing::giveFocus(static_cast<E&>(t).fieldOf("Field"));
                          fw::testing::typeText(static_cast<E&>(t).fieldOf("Field"), "5");
                      },
                      {true, false, false, false, false, true}},
        EditStateCase{"empty_field_text_on_clipboard",
                      [](auto& t) {
                          fw::testing::setClipboardText("0.5");
                          fw::testing::giveFocus(static_cast<E&>(t).fieldOf("Field"));
                          fw::testing::clearText(static_cast<E&>(t).fieldOf("Field"));
                      },
                      {true, false, false, true, false, false}},
        EditStateCase{"read_only_field_with_selection_text_on_clipboard",
                      [](auto& t) {
                          fw::testing::setClipboardText("0.5");
                          fw::testing::giveFocus(static_cast<E&>(t).fieldOf("Fixed"));
                          static_cast<E&>(t).select("Fixed", 0, 3);
                      },
                      {false, false, true, false, false, true}},
        EditStateCase{"slider_text_on_clipboard",
                      [](auto& t) {
                          fw::testing::setClipboardText("0.5");
                          static_cast<E&>(t).select("Field", 0, 2);
                          fw::testing::giveFocus(static_cast<E&>(t).controlOf("Slider"));
                      },
                      {false, false, false, false, false, false}},
        // The focus passes on to the read-only field as Tab would, selecting its text; the clipboard's
        // text cannot go into that field.
        EditStateCase{"field_disabled_after_taking_the_focus",
                      [](auto& t) {
                          fw::testing::setClipboardText("0.5");
                          fw::testing::giveFocus(static_cast<E&>(t).fieldOf("Field"));
                          static_cast<E&>(t).select("Field", 0, 2);
                          static_cast<E&>(t).fieldOf("Field").setEnabled(false);
                      },
                      {false, false, true, false, false, true}}),
    [](const auto& info) { return std::string(info.param.name); });

struct EditActionCase {
    const char* name;
    const char* item;
    int selectionStart, selectionLength; // in "0.6", before the item is chosen
    const char* clipboardBefore;
    const char* text;
    const char* clipboard;
    std::vector<std::string> changes; // TextChange, with the text as it then stood
};

class EditItemAction : public MenuEnablingTest, public ::testing::WithParamInterface<EditActionCase> {};

TEST_P(EditItemAction, ActsOnTheFocusedFieldAsItsKeysDoAndTheFieldReportsTheEdit)
{
    const EditActionCase& c = GetParam();
    fw::testing::setClipboardText(c.clipboardBefore);
    fw::testing::giveFocus(*field);
    lineOf(*field).setSelection(c.selectionStart, c.selectionLength);
    fw::testing::chooseFromMenuBar(*window, c.item);
    EXPECT_EQ(field->Value(), c.text);
    EXPECT_EQ(fw::testing::clipboardText(), c.clipboard);
    EXPECT_EQ(changes, c.changes);
}

INSTANTIATE_TEST_SUITE_P(
    Items, EditItemAction,
    ::testing::Values(EditActionCase{"cut_takes_the_selection_to_the_clipboard", "Cut", 1, 2, "x", "0", ".6", {"0"}},
                      EditActionCase{"copy_leaves_the_text", "Copy", 0, 2, "x", "0.6", "0.", {}},
                      EditActionCase{"paste_replaces_the_selection", "Paste", 2, 1, "25", "0.25", "25", {"0.25"}},
                      EditActionCase{"delete_leaves_the_clipboard", "Delete", 0, 2, "x", "6", "x", {"6"}},
                      EditActionCase{"select_all_changes_no_text", "SelectAll", 0, 0, "x", "0.6", "x", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuEnablingTest, SelectAllThenTypingReplacesTheText)
{
    fw::testing::giveFocus(*field);
    fw::testing::chooseFromMenuBar(*window, "SelectAll");
    EXPECT_EQ(lineOf(*field).selectedText().toStdString(), "0.6");
    fw::testing::typeText(*field, "-0.3");
    EXPECT_EQ(field->Value(), "-0.3");
    EXPECT_EQ(changes, (std::vector<std::string>{"-", "-0", "-0.", "-0.3"}));
}

TEST_F(MenuEnablingTest, UndoTakesBackTheLastTypingAndTheFieldReportsIt)
{
    fw::testing::giveFocus(*field);
    lineOf(*field).end(false);
    fw::testing::typeText(*field, "5");
    ASSERT_TRUE(fw::testing::menuItemEnabled(*window, "Undo"));
    fw::testing::chooseFromMenuBar(*window, "Undo");
    EXPECT_EQ(field->Value(), "0.6");
    EXPECT_EQ(changes, (std::vector<std::string>{"0.65", "0.6"}));
}

TEST_F(MenuEnablingTest, ADisabledEditItemChosenFromCodeLeavesTheFieldAlone)
{
    fw::testing::giveFocus(*field); // no selection: the line edit's own Delete would take the "0"
    lineOf(*field).home(false);
    fw::ChooseMenuItem(*window, "Delete");
    EXPECT_EQ(field->Value(), "0.6");
    EXPECT_TRUE(changes.empty());
}

TEST_F(MenuEnablingTest, AWindowsHandlerForAnEditItemComesFirstAndTurnsTheItemOn)
{
    int handled = 0;
    window->AddMenuHandler("Copy", [&handled] {
        ++handled;
        return true;
    });
    EXPECT_TRUE(fw::testing::menuItemEnabled(*window, "Copy")) << "the handler can act without a selection";
    fw::testing::giveFocus(*field);
    lineOf(*field).selectAll();
    fw::testing::chooseFromMenuBar(*window, "Copy");
    EXPECT_EQ(handled, 1);
    EXPECT_TRUE(fw::testing::clipboardText().empty()) << "the handler answered true: no copy";
}

TEST_F(MenuEnablingTest, AShortcutRunsTheItemOnceWhereItIsOnAndNotAtAllWhereItIsOff)
{
    bringToFront(*window);
    QTest::keyClick(window->widget(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(prints, 1);
    EXPECT_EQ(print->defaultActions, 1) << "the handler answered false";

    auto bare = std::make_shared<FakeWindow>("Bare.Bare");
    bare->hooks[fw::WindowEvent::Layout] = [&bare] { fw::SetProperties(*bare, kWindowWithBar); };
    bare->Constructor();
    bringToFront(*bare);
    QTest::keyClick(bare->widget(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(prints, 1);
    EXPECT_EQ(print->defaultActions, 1) << "off in a window without a handler, the shortcut does nothing";

    // Enabling is decided when the key is pressed: a handler registered since counts at once.
    int barePrints = 0;
    bare->AddMenuHandler("FilePrint", [&barePrints] { return ++barePrints > 0; });
    QTest::keyClick(bare->widget(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(barePrints, 1);
    bare->Close();
}

// Paste's state asks the clipboard, whose owner may never answer, so other keys leave it alone;
// its own shortcut works it out all the same, and does nothing where nothing can be pasted.
TEST_F(MenuEnablingTest, PastesShortcutWhereNoFieldHasTheFocusDoesNothing)
{
    bringToFront(*window);
    fw::testing::setClipboardText("25");
    auto slider = window->ControlByName("Slider");
    fw::testing::giveFocus(*slider);
    QTest::keyClick(slider->widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(paste->defaultActions, 0) << "Paste was off, and its shortcut did not fire";
    EXPECT_EQ(field->Value(), "0.6");
}

TEST_F(MenuEnablingTest, TheFieldsOwnKeysTakeTheEditShortcutsSoNothingHappensTwice)
{
    bringToFront(*window);
    fw::testing::giveFocus(*field);
    fw::testing::setClipboardText("25");
    lineOf(*field).setSelection(2, 1);
    ASSERT_TRUE(fw::testing::menuItemEnabled(*window, "Paste"));
    QTest::keyClick(&lineOf(*field), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->Value(), "0.25");
    EXPECT_EQ(changes, std::vector<std::string>{"0.25"});

    QTest::keyClick(&lineOf(*field), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->Value(), "0.6") << "one undo step back, not two";
    EXPECT_EQ(changes, (std::vector<std::string>{"0.25", "0.6"}));
}

TEST_F(MenuEnablingTest, TheEditMenuOpenedFromTheKeyboardActsOnTheSelectionItWasOpenedOver)
{
    bringToFront(*window);
    fw::testing::giveFocus(*field);
    lineOf(*field).setSelection(0, 2);
    QTest::keyClick(window->widget(), Qt::Key_E, Qt::AltModifier); // the menu bar takes the focus
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr) << "Alt+E opened the Edit menu";
    QTest::keyClick(menu, Qt::Key_C); // the access key of "&Copy"
    EXPECT_EQ(fw::testing::clipboardText(), "0.");
    EXPECT_EQ(lineOf(*field).selectedText().toStdString(), "0.");
}

} // namespace
} // namespace widgets_test
