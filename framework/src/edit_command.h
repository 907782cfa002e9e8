// The standard editing commands on the text field that has the focus.
#pragma once

#include <framework/menu.h>

class QLineEdit;

namespace fw {

class Window;

// The text field an editing command acts on in that window: the one that has (or, while the
// window is behind, will get back) the keyboard focus; nullptr when the focus is on anything else.
QLineEdit* editTarget(const Window& window);

// Whether the command can act on the field now, as its own keys would.
bool canEdit(EditCommand command, const QLineEdit& field);

// Whether canEdit asks the system clipboard for the command. The clipboard's owner may be another
// program, which answers when it likes or never.
bool asksClipboard(EditCommand command);

// Runs the command on the field as its own keys do, so that the field reports the change as an
// edit by the user; does nothing when the command cannot act.
void edit(EditCommand command, QLineEdit& field);

} // namespace fw
