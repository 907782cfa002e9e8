// Undo, Cut, Copy, Paste, Delete and Select All on a line edit, and when each can act.
#include "edit_command.h"

#include <framework/window.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>

namespace fw {

namespace {

bool clipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    return data && data->hasText() && !data->text().isEmpty();
}

// A password field shows no text, so none of it may leave the field.
bool selectionCanLeave(const QLineEdit& field)
{
    return field.hasSelectedText() && field.echoMode() == QLineEdit::Normal;
}

} // namespace

QLineEdit* editTarget(const Window& window)
{
    const QWidget* top = window.widget();
    if (!top)
        return nullptr;
    // A disabled or hidden field cannot hold the focus, whatever the window last remembered.
    auto* field = qobject_cast<QLineEdit*>(top->focusWidget());
    return field && field->isEnabled() && field->isVisible() ? field : nullptr;
}

bool canEdit(EditCommand command, const QLineEdit& field)
{
    const bool writable = !field.isReadOnly();
    switch (command) {
    case EditCommand::None: return false;
    case EditCommand::Undo: return writable && field.isUndoAvailable();
    case EditCommand::Cut: return writable && selectionCanLeave(field);
    case EditCommand::Copy: return selectionCanLeave(field);
    case EditCommand::Paste: return writable && clipboardHasText();
    case EditCommand::Delete: return writable && field.hasSelectedText();
    case EditCommand::SelectAll: return !field.text().isEmpty();
    }
    return false;
}

bool asksClipboard(EditCommand command)
{
    return command == EditCommand::Paste;
}

void edit(EditCommand command, QLineEdit& field)
{
    if (!canEdit(command, field))
        return;
    // The line edit's own slots, which its keys call too: each reports a change of the text.
    switch (command) {
    case EditCommand::None: break;
    case EditCommand::Undo: field.undo(); break;
    case EditCommand::Cut: field.cut(); break;
    case EditCommand::Copy: field.copy(); break;
    case EditCommand::Paste: field.paste(); break;
    case EditCommand::Delete: field.del(); break;
    case EditCommand::SelectAll: field.selectAll(); break;
    }
}

} // namespace fw
