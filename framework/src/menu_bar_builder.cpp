// Menus, commands and separators of the menu tree as toolkit menus and actions.
#include "menu_bar_builder.h"

#include "qt_convert.h"

#include <framework/application.h>
#include <framework/menu.h>
#include <framework/window.h>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace fw {

namespace {

void addItems(Window& window, QMenu& menu, const MenuItem& parent);

// Host is QMenuBar or QMenu: both append menus the same way.
template <class Host>
void addMenu(Window& window, Host& host, const MenuItem& item)
{
    QMenu* menu = host.addMenu(toQString(item.Value()));
    menu->menuAction()->setVisible(item.Visible());
    addItems(window, *menu, item);
}

void addItems(Window& window, QMenu& menu, const MenuItem& parent)
{
    for (const auto& item : parent.children()) {
        if (item->isSeparator()) {
            menu.addSeparator()->setVisible(item->Visible());
            continue;
        }
        if (!item->children().empty()) {
            addMenu(window, menu, *item);
            continue;
        }
        QAction* action = menu.addAction(toQString(item->Value()));
        action->setVisible(item->Visible());
        if (item->Shortcut() && !item->Shortcut()->empty())
            action->setShortcut(QKeySequence(toQString(*item->Shortcut()), QKeySequence::PortableText));
        QObject::connect(action, &QAction::triggered, action, [&window, name = item->Name()] {
            runtime::callHandler([&] { ChooseMenuItem(window, name); });
        });
    }
}

} // namespace

QMenuBar* buildMenuBar(Window& window, const MenuItem& root, QWidget* parent)
{
    auto* bar = new QMenuBar(parent);
    // Inside the window, so that the content area keeps its size below it on every desktop.
    bar->setNativeMenuBar(false);
    // The first level holds the menus, even one that has no items yet.
    for (const auto& menu : root.children())
        addMenu(window, *bar, *menu);
    return bar;
}

} // namespace fw
