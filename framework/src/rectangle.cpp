// Rectangle: a frame with a fill colour and a border.
#include <framework/controls.h>

#include "rectangle_widget.h"

namespace fw {

namespace {

RectangleWidget* frameOf(const RectControl& control)
{
    return static_cast<RectangleWidget*>(control.widget());
}

} // namespace

Rectangle::Rectangle(Window& window) : RectControl(window, new RectangleWidget)
{
    auto colour = [this](Color RectangleWidget::*field) {
        return [this, field](const PropertyValue& v) {
            if (RectangleWidget* frame = frameOf(*this)) {
                frame->*field = std::get<Color>(v);
                frame->update();
            }
        };
    };
    declare("BorderThickness", PropertyKind::Double, [this](const PropertyValue& v) {
        if (RectangleWidget* frame = frameOf(*this)) {
            frame->borderThickness = std::get<double>(v);
            frame->update();
        }
    });
    declare("FillColor", PropertyKind::Colour, colour(&RectangleWidget::fillColor));
    declare("TopLeftColor", PropertyKind::Colour, colour(&RectangleWidget::topLeftColor));
    declare("BottomRightColor", PropertyKind::Colour, colour(&RectangleWidget::bottomRightColor));
    // The frame is filled in its fill colour either way; the controls inside paint over it.
    declare("Transparent", PropertyKind::Boolean);
}

} // namespace fw
