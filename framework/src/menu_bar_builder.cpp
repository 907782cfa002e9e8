// Menus, commands and separators of the menu tree as toolkit menus and actions, enabled for the
// window that shows them.
#include "menu_bar_builder.h"

#include "edit_command.h"
#include "menu_enabling.h"
#include "qt_convert.h"

#include <framework/application.h>
#include <framework/menu.h>
#include <framework/window.h>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <memory>
#include <utility>
#include <vector>

namespace fw {

namespace {

// Keeps the bar's command actions enabled as automatic enabling says for its window. The state
// is worked out at the two moments a user can reach an item: when a menu is about to open, and
// when a key is pressed in the window, before the toolkit matches it against the shortcuts (a
// disabled action's shortcut does not fire). Nothing is tracked between those moments, so no
// change of focus, selection, text or clipboard can leave an item in a stale state. An item whose
// state asks the clipboard (Paste) is worked out on a key only when that key is its own shortcut:
// the clipboard's owner may be another program that never answers, and typing must not wait on it.
class MenuEnabler final : public QObject {
public:
    MenuEnabler(Window& window, QMenuBar& bar) : QObject(&bar), window_(window), bar_(bar)
    {
        qApp->installEventFilter(this);
    }

    void add(QAction* action, std::shared_ptr<const MenuItem> item) { commands_.emplace_back(action, std::move(item)); }

    // Every item that can be worked out without asking the clipboard.
    void updateWithoutClipboard()
    {
        updateWhere([](const QAction&, const MenuItem& item) { return !asksClipboard(item.editCommand()); });
    }

    void update(const QMenu& menu)
    {
        updateWhere([&menu](const QAction& action, const MenuItem&) { return action.parent() == &menu; });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The toolkit offers every key press to the focused widget as a shortcut override first.
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* widget = qobject_cast<const QWidget*>(watched);
            if (widget && widget->window() == bar_.window()) {
                const QKeySequence key(static_cast<const QKeyEvent*>(event)->keyCombination());
                updateWhere([&key](const QAction& action, const MenuItem& item) {
                    return !asksClipboard(item.editCommand())
                        || action.shortcut().matches(key) != QKeySequence::NoMatch;
                });
            }
        }
        return false;
    }

private:
    template <class Wanted>
    void updateWhere(Wanted wanted)
    {
        runtime::callHandler([this, &wanted] {
            for (const auto& [action, item] : commands_)
                if (wanted(*action, *item))
                    action->setEnabled(menuItemEnabled(window_, *item));
        });
    }

    Window& window_;
    QMenuBar& bar_;
    std::vector<std::pair<QAction*, std::shared_ptr<const MenuItem>>> commands_;
};

void addItems(Window& window, MenuEnabler& enabler, QMenu& menu, const MenuItem& parent);

// Host is QMenuBar or QMenu: both append menus the same way.
template <class Host>
void addMenu(Window& window, MenuEnabler& enabler, Host& host, const MenuItem& item)
{
    QMenu* menu = host.addMenu(toQString(item.Value()));
    menu->menuAction()->setVisible(item.Visible());
    QObject::connect(menu, &QMenu::aboutToShow, &enabler, [&enabler, menu] { enabler.update(*menu); });
    addItems(window, enabler, *menu, item);
}

void addItems(Window& window, MenuEnabler& enabler, QMenu& menu, const MenuItem& parent)
{
    for (const auto& item : parent.children()) {
        if (item->isSeparator()) {
            menu.addSeparator()->setVisible(item->Visible());
            continue;
        }
        if (!item->children().empty()) {
            addMenu(window, enabler, menu, *item);
            continue;
        }
        QAction* action = menu.addAction(toQString(item->Value()));
        action->setObjectName(toQString(item->Name()));
        action->setVisible(item->Visible());
        if (item->Shortcut() && !item->Shortcut()->empty())
            action->setShortcut(QKeySequence(toQString(*item->Shortcut()), QKeySequence::PortableText));
        QObject::connect(action, &QAction::triggered, action, [&window, name = item->Name()] {
            runtime::callHandler([&] { ChooseMenuItem(window, name); });
        });
        enabler.add(action, item);
    }
}

} // namespace

QMenuBar* buildMenuBar(Window& window, const MenuItem& root, QWidget* parent)
{
    auto* bar = new QMenuBar(parent);
    // Inside the window, so that the content area keeps its size below it on every desktop.
    bar->setNativeMenuBar(false);
    auto* enabler = new MenuEnabler(window, *bar);
    // The first level holds the menus, even one that has no items yet.
    for (const auto& menu : root.children())
        addMenu(window, *enabler, *bar, *menu);
    enabler->updateWithoutClipboard();
    return bar;
}

} // namespace fw
