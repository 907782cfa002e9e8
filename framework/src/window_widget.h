// The toolkit window of a Window: an optional menu bar above the content area that holds the controls.
#pragma once

#include <QWidget>

#include <functional>

class QMenuBar;
class QVBoxLayout;

namespace fw {

class Window;

class WindowWidget final : public QWidget {
public:
    explicit WindowWidget(Window& owner);

    // The area below the menu bar; control widgets are its descendants.
    QWidget* content() const;

    // Sizes the content area; a fixed window keeps exactly that size, a resizeable one stays
    // within the limits.
    void setContentSize(QSize size, bool resizeable, QSize minimum, QSize maximum);
    void setMenuBar(QMenuBar* bar);
    int menuBarHeight() const;
    // Runs then once, when the window is next on the screen with its frame from the window manager.
    void whenFramed(std::function<void()> then);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Content;
    void refit();

    Window& owner_;
    Content* content_;
    QVBoxLayout* layout_;
    bool resizeable_ = true;
    std::function<void()> framed_;
};

} // namespace fw
