// Automatic enabling of menu items for the window in front.
#include "menu_enabling.h"

#include "edit_command.h"

#include <framework/menu.h>
#include <framework/window.h>

namespace fw {

bool menuItemEnabled(const Window& window, const MenuItem& item)
{
    if (!item.AutoEnabled() || window.hasMenuHandler(item.Name()) || item.hasDefaultAction())
        return true;
    const QLineEdit* field = editTarget(window);
    return field && canEdit(item.editCommand(), *field);
}

} // namespace fw
