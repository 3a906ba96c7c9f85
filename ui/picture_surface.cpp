#include "picture_surface.h"

#include "system_colours.h"

#include <QPainter>

namespace zorimex::ui {

PictureSurface::PictureSurface(QWidget* parent) : QFrame(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureSurface::setPicture(const QString& path) {
    picturePath_ = path;
    pixmap_ = path.isEmpty() ? QPixmap() : QPixmap(path);
    update();
}

void PictureSurface::setBackColor(const QString& colour) {
    backColor_ = colour;
    update();
}

QColor PictureSurface::resolvedBackColor() const {
    const QColor colour = DesignColour(backColor_, palette());
    return colour.isValid() ? colour : palette().color(QPalette::Button);
}

void PictureSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), resolvedBackColor());
    if (!pixmap_.isNull()) {
        painter.setClipRect(contentsRect());
        painter.drawPixmap(contentsRect().topLeft(), pixmap_);
        painter.setClipping(false);
    }
    drawFrame(&painter);
}

} // namespace zorimex::ui
