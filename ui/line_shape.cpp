#include "zorimex/ui/line_shape.h"

#include "zorimex/ui/system_colours.h"

#include <QPainter>

namespace zorimex::ui {

LineShape::LineShape(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::setStart(QPoint point) {
    start_ = point;
    fitGeometry();
}

void LineShape::setEnd(QPoint point) {
    end_ = point;
    fitGeometry();
}

void LineShape::setLineWidth(int width) {
    lineWidth_ = width < 1 ? 1 : width;
    fitGeometry();
}

void LineShape::fitGeometry() {
    // The pen is centred on the line: a 3-pixel line at x covers x-1 .. x+1.
    const int before = (lineWidth_ - 1) / 2;
    const int after = lineWidth_ - 1 - before;
    const QRect box = QRect(start_, end_).normalized().adjusted(-before, -before, after, after);
    setGeometry(box);
    update();
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(DesignColour(u"WindowText", palette()), lineWidth_, Qt::SolidLine, Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(start_ - pos(), end_ - pos());
}

} // namespace zorimex::ui
