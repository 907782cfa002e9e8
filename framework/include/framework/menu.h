// Menus: a tree of items whose root is the application's menu bar.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// The standard editing commands an item can stand for. Chosen, such an item acts on the text field
// that has the focus in the window in front, as the field's own keys do.
enum class EditCommand { None, Undo, Cut, Copy, Paste, Delete, SelectAll };

// A menu, a command or, with the caption "-", a separator. "&" before a letter of the caption
// marks its access key; a shortcut is a text such as "Ctrl+P".
class MenuItem : public std::enable_shared_from_this<MenuItem> {
public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    virtual std::string_view className() const { return "MenuItem"; }

    const std::string& Name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    const std::string& Value() const { return caption_; }
    void setValue(std::string caption) { caption_ = std::move(caption); }
    // An automatically enabled command is on only while choosing it can act in the window in front:
    // the window handles it, its class brings an action, or its editing command can act on the
    // focused text field. Any other command, and every menu, is always on.
    bool AutoEnabled() const { return autoEnabled_; }
    void setAutoEnabled(bool on) { autoEnabled_ = on; }
    bool Visible() const { return visible_; }
    void setVisible(bool on) { visible_ = on; }
    // Empty until set; a separator has none set.
    const std::optional<std::string>& Shortcut() const { return shortcut_; }
    void setShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }
    bool isSeparator() const { return caption_ == "-"; }
    EditCommand editCommand() const { return editCommand_; }
    void setEditCommand(EditCommand command) { editCommand_ = command; }

    // Appends the item as the last child.
    void AddMenu(std::shared_ptr<MenuItem> item);
    // The child of that name, or nullptr.
    std::shared_ptr<MenuItem> Child(std::string_view name) const;
    const std::vector<std::shared_ptr<MenuItem>>& children() const { return children_; }

    // What the item does when chosen and no window handler took it.
    virtual void defaultAction() {}
    // Whether that action does anything; automatic enabling leaves an item on for it.
    virtual bool hasDefaultAction() const { return false; }

private:
    std::string name_, caption_;
    bool autoEnabled_ = false, visible_ = true;
    std::optional<std::string> shortcut_;
    EditCommand editCommand_ = EditCommand::None;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

// The framework's preferences item; its default action does nothing on this platform.
class PrefsMenuItem : public MenuItem {
public:
    std::string_view className() const override { return "PrefsMenuItem"; }
};

// The framework's quit item; its default action quits the application with status 0.
class QuitMenuItem : public MenuItem {
public:
    std::string_view className() const override { return "QuitMenuItem"; }
    void defaultAction() override;
    bool hasDefaultAction() const override { return true; }
};

class MenuBar : public MenuItem {
public:
    std::string_view className() const override { return "MenuBar"; }
};

} // namespace fw
