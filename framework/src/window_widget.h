// The toolkit window of a Window: an optional menu bar above the content area that holds the controls.
#pragma once

#include <QWidget>

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class Content;
    void refit();

    Window& owner_;
    Content* content_;
    QVBoxLayout* layout_;
    bool resizeable_ = true;
};

} // namespace fw
