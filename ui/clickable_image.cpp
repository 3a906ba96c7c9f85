#include "zorimex/ui/clickable_image.h"

#include <QMouseEvent>
#include <QPainter>

namespace zorimex::ui {

ClickableImage::ClickableImage(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ClickableImage::setPicture(const QString& path) {
    picture_.load(path, *this);
    update();
}

void ClickableImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap());
}

void ClickableImage::mousePressEvent(QMouseEvent* event) {
    SingleClick::press(event);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.release(*this, event))
        emit clicked();
}

void ClickableImage::mouseDoubleClickEvent(QMouseEvent* event) {
    click_.doubleClick(event);
}

} // namespace zorimex::ui
