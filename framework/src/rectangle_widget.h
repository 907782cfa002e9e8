// The toolkit side of a Rectangle: a filled frame whose top-left and bottom-right edges have their own colours.
#pragma once

#include <framework/color.h>

#include <QWidget>

namespace fw {

class RectangleWidget final : public QWidget {
public:
    RectangleWidget();

    Color fillColor = 0x00FFFFFF;
    Color topLeftColor = 0x00000000;
    Color bottomRightColor = 0x00000000;
    double borderThickness = 1.0;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace fw
