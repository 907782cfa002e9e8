// The menu tree: appending and finding items, and the quit item's own action.
#include <framework/menu.h>

#include "ui_thread.h"

#include <framework/application.h>
#include <framework/runtime.h>

#include <algorithm>

namespace fw {

namespace {

bool contains(const MenuItem& tree, const MenuItem& item)
{
    if (&tree == &item)
        return true;
    return std::ranges::any_of(tree.children(), [&item](const auto& child) { return contains(*child, item); });
}

} // namespace

void MenuItem::AddMenu(std::shared_ptr<MenuItem> item)
{
    requireUiThread("changing a menu");
    if (!item)
        throw NilObjectException("no menu item to append to \"" + name_ + "\"");
    // An item that holds this one would make the tree a loop.
    if (contains(*item, *this))
        throw RuntimeException("the menu item \"" + item->Name() + "\" cannot be appended inside itself");
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const
{
    auto found = std::ranges::find_if(children_, [name](const auto& child) { return child->Name() == name; });
    return found == children_.end() ? nullptr : *found;
}

void QuitMenuItem::defaultAction()
{
    Quit(0);
}

} // namespace fw
