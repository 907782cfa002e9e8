// The menu bar's two menus, written as tables of their items.
#include <shell/implicit_instance.h>
#include <shell/menu_bar1.h>

#include <framework/runtime.h>

#include <array>
#include <optional>
#include <span>
#include <string>

namespace {

enum class ItemClass { Plain, Preferences, Quit };

struct MenuRow {
    std::string_view name;
    ItemClass itemClass;
    std::string_view caption;
    std::optional<std::string_view> shortcut; // nullopt: not set at all, as on separators
    fw::EditCommand command = fw::EditCommand::None; // the standard editing command it stands for
};

constexpr MenuRow kFileMenu{"FileMenu", ItemClass::Plain, "&File", ""};
constexpr std::array kFileItems{
    MenuRow{"aboutItem", ItemClass::Preferences, "About ...", ""},
    MenuRow{"UntitledSeparator", ItemClass::Plain, "-", std::nullopt},
    MenuRow{"FileQuit", ItemClass::Quit, "E&xit", ""},
    MenuRow{"FilePageSetup", ItemClass::Plain, "Page Setup ...", ""},
    MenuRow{"FilePrint", ItemClass::Plain, "Print ...", "Ctrl+P"},
};

constexpr MenuRow kEditMenu{"EditMenu", ItemClass::Plain, "&Edit", ""};
constexpr std::array kEditItems{
    MenuRow{"EditUndo", ItemClass::Plain, "&Undo", "Ctrl+Z", fw::EditCommand::Undo},
    MenuRow{"UntitledMenu1", ItemClass::Plain, "-", std::nullopt},
    MenuRow{"EditCut", ItemClass::Plain, "Cu&t", "Ctrl+X", fw::EditCommand::Cut},
    MenuRow{"EditCopy", ItemClass::Plain, "&Copy", "Ctrl+C", fw::EditCommand::Copy},
    MenuRow{"EditPaste", ItemClass::Plain, "&Paste", "Ctrl+V", fw::EditCommand::Paste},
    MenuRow{"EditClear", ItemClass::Plain, "&Delete", "", fw::EditCommand::Delete},
    MenuRow{"UntitledMenu0", ItemClass::Plain, "-", std::nullopt},
    MenuRow{"EditSelectAll", ItemClass::Plain, "Select &All", "Ctrl+A", fw::EditCommand::SelectAll},
};

std::shared_ptr<fw::MenuItem> newItem(const MenuRow& row)
{
    std::shared_ptr<fw::MenuItem> item;
    switch (row.itemClass) {
    case ItemClass::Plain: item = std::make_shared<fw::MenuItem>(); break;
    case ItemClass::Preferences: item = std::make_shared<fw::PrefsMenuItem>(); break;
    case ItemClass::Quit: item = std::make_shared<fw::QuitMenuItem>(); break;
    }
    item->setName(std::string(row.name));
    item->setAutoEnabled(true);
    item->setValue(std::string(row.caption));
    item->setVisible(true);
    if (row.shortcut)
        item->setShortcut(std::string(*row.shortcut));
    item->setEditCommand(row.command);
    return item;
}

// Appends the menu to the bar first, then each item to the menu found on the bar by name.
void buildMenu(fw::MenuBar& bar, const MenuRow& menu, std::span<const MenuRow> items)
{
    bar.AddMenu(newItem(menu));
    for (const MenuRow& row : items) {
        auto item = newItem(row);
        auto found = bar.Child(menu.name);
        if (!found)
            throw fw::NilObjectException("menu " + std::string(menu.name) + " is not on the menu bar");
        found->AddMenu(std::move(item));
    }
}

shell::ImplicitInstance<shell::MenuBar1> _implicitInstance;

} // namespace

namespace shell {

void MenuBar1::Constructor()
{
    Untitled0();
    Untitled1();
}

void MenuBar1::Untitled0()
{
    buildMenu(*this, kFileMenu, kFileItems);
}

void MenuBar1::Untitled1()
{
    buildMenu(*this, kEditMenu, kEditItems);
}

} // namespace shell

std::shared_ptr<shell::MenuBar1> MenuBar1()
{
    return _implicitInstance.get();
}
