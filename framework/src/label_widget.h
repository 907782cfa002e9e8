// The toolkit side of a Label: shows its text and reports the mouse as the label's events.
#pragma once

#include <QLabel>

namespace fw {

class Label;

class LabelWidget final : public QLabel {
public:
    explicit LabelWidget(Label& label);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Label& label_;
    bool pressed_ = false; // MouseDown answered true: MouseUp follows
};

} // namespace fw
