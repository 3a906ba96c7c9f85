#include "zorimex/ui/clickable_image.h"

#include "accessible_press.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zorimex::ui {
namespace {

QAccessibleInterface* AccessibleClickableImageFactory(const QString& className, QObject* object) {
    // An image that opens a page is a link to a screen reader; its name says which page.
    if (className == QLatin1String("zorimex::ui::ClickableImage"))
        if (auto* image = qobject_cast<ClickableImage*>(object))
            return new AccessiblePress(image, QAccessible::Link, "clicked");
    return nullptr;
}

} // namespace

ClickableImage::ClickableImage(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void ClickableImage::installAccessibility() {
    QAccessible::installFactory(AccessibleClickableImageFactory);
}

void ClickableImage::setPicture(const QString& path) {
    picture_.load(path, *this);
    update();
}

void ClickableImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap());
    if (!hasFocus())
        return;
    // Dotted, in the banner's white lettering, just inside its edge: the focus frame of a
    // push button, so the banner reads as one.
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRect(QRect(QPoint(0, 0), pixmap().deviceIndependentSize().toSize())
                         .intersected(rect())
                         .adjusted(2, 2, -3, -3));
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

void ClickableImage::keyPressEvent(QKeyEvent* event) {
    if (!IsPressKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        emit clicked();
    event->accept();
}

} // namespace zorimex::ui
