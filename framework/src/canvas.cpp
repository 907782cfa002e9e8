// Canvas: a drawing area with a backdrop picture, painted by its Paint handler.
#include <framework/controls.h>

#include "canvas_widget.h"

namespace fw {

Canvas::Canvas(Window& window) : RectControl(window, new CanvasWidget(*this))
{
    declareTabStop();
    declare("AllowFocus", PropertyKind::Boolean, [this](const PropertyValue& v) {
        if (widget())
            widget()->setFocusPolicy(std::get<bool>(v) ? Qt::StrongFocus : Qt::NoFocus);
        applyTabStop();
    });
    // The toolkit always paints through a buffer and draws no focus ring around a canvas.
    declare("AllowFocusRing", PropertyKind::Boolean);
    declare("AllowTabs", PropertyKind::Boolean);
    declare("DoubleBuffer", PropertyKind::Boolean);
    // Nothing is painted where neither the backdrop nor the Paint handler draws: the window shows.
    declare("Transparent", PropertyKind::Boolean);
}

void Canvas::setBackdrop(std::shared_ptr<Picture> picture)
{
    backdrop_ = std::move(picture);
    if (widget())
        widget()->update();
}

} // namespace fw
