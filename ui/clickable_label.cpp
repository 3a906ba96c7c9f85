#include "clickable_label.h"

#include <QMouseEvent>

namespace zorimex::ui {

ClickableLabel::ClickableLabel(QWidget* parent) : CaptionLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace zorimex::ui
