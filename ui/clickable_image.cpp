#include "clickable_image.h"

#include "picture_file.h"

#include <QMouseEvent>
#include <QPainter>

namespace zorimex::ui {

ClickableImage::ClickableImage(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ClickableImage::setPicture(const QString& path) {
    picturePath_ = path;
    pixmap_ = LoadPicture(path, devicePixelRatioF());
    update();
}

void ClickableImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap_);
}

void ClickableImage::mousePressEvent(QMouseEvent* event) {
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (releaseEndsDoubleClick_) {
        releaseEndsDoubleClick_ = false;
        return;
    }
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableImage::mouseDoubleClickEvent(QMouseEvent* event) {
    // One click is one action: the double click's first click has already acted.
    const bool left = event->button() == Qt::LeftButton;
    releaseEndsDoubleClick_ = left;
    event->setAccepted(left);
}

} // namespace zorimex::ui
