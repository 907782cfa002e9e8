// The toolkit window: layout of menu bar and content, and the close box.
#include "window_widget.h"

#include <framework/application.h>
#include <framework/window.h>

#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWindow>

#include <utility>

namespace fw {

// The content area reports its design size, so that the window fits it below the menu bar.
class WindowWidget::Content final : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return designSize; }
    QSize designSize{300, 300};
};

WindowWidget::WindowWidget(Window& owner)
    : QWidget(nullptr, Qt::Window), owner_(owner), content_(new Content(this)), layout_(new QVBoxLayout(this))
{
    // Only the framework's Quit ends the program; closing a window never does by itself.
    setAttribute(Qt::WA_QuitOnClose, false);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(content_);
}

QWidget* WindowWidget::content() const
{
    return content_;
}

void WindowWidget::setContentSize(QSize size, bool resizeable, QSize minimum, QSize maximum)
{
    resizeable_ = resizeable;
    content_->designSize = size;
    if (resizeable) {
        content_->setMinimumSize(minimum);
        content_->setMaximumSize(maximum);
        layout_->setSizeConstraint(QLayout::SetDefaultConstraint);
    } else {
        content_->setFixedSize(size);
        layout_->setSizeConstraint(QLayout::SetFixedSize);
    }
    content_->updateGeometry();
    refit();
}

void WindowWidget::setMenuBar(QMenuBar* bar)
{
    layout_->setMenuBar(bar);
    refit();
}

int WindowWidget::menuBarHeight() const
{
    const QWidget* bar = layout_->menuBar();
    return bar ? bar->sizeHint().height() : 0;
}

void WindowWidget::whenFramed(std::function<void()> then)
{
    framed_ = std::move(then);
    winId(); // the toolkit window, whose exposure tells
    windowHandle()->removeEventFilter(this);
    windowHandle()->installEventFilter(this);
}

bool WindowWidget::eventFilter(QObject* watched, QEvent* event)
{
    // A window manager maps the window once it has put its frame around it.
    if (framed_ && watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed())
        QMetaObject::invokeMethod(this, std::exchange(framed_, nullptr), Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void WindowWidget::refit()
{
    layout_->activate();
    if (resizeable_)
        resize(layout_->totalSizeHint());
}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    runtime::callHandler([this] { owner_.Close(); });
    event->accept();
}

} // namespace fw
