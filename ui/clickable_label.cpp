#include "clickable_label.h"

#include "left_click.h"

namespace zorimex::ui {

ClickableLabel::ClickableLabel(QWidget* parent) : CaptionLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    AcceptLeftPress(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (EndsLeftClick(*this, *event))
        emit clicked();
}

} // namespace zorimex::ui
