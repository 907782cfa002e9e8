// Repaint requests and canvas paints counted in properties of the widgets, which go with them.
#include "repaint_counts.h"

#include "canvas_widget.h"
#include "desktop.h"

#include <QCoreApplication>
#include <QEvent>

namespace fw::testing {

namespace {

constexpr const char* kRefreshCountProperty = "fwRefreshCount";
constexpr const char* kPaintCountProperty = "fwPaintCount";

void increment(QWidget& widget, const char* property)
{
    widget.setProperty(property, widget.property(property).toLongLong() + 1);
}

// Sees every event of the application before its receiver does.
class CanvasPaintCounter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            if (auto* canvas = dynamic_cast<CanvasWidget*>(watched))
                increment(*canvas, kPaintCountProperty);
        return false;
    }
};

} // namespace

void countCanvasPaints()
{
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new CanvasPaintCounter(app));
}

std::int64_t refreshCountOf(const QWidget& widget)
{
    return widget.property(kRefreshCountProperty).toLongLong();
}

std::int64_t paintCountOf(const QWidget& widget)
{
    return widget.property(kPaintCountProperty).toLongLong();
}

} // namespace fw::testing

// Refresh's repaint request, counted before the toolkit takes it.
void fw::desktop::repaint(QWidget& widget)
{
    testing::increment(widget, testing::kRefreshCountProperty);
    widget.update();
}
