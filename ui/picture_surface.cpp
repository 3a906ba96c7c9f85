#include "zorimex/ui/picture_surface.h"

#include "zorimex/ui/line_shape.h"
#include "zorimex/ui/system_colours.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMenu>
#include <QPainter>

namespace zorimex::ui {
namespace {

// A surface as screen readers see it: its controls, without the lines that only decorate it.
class AccessibleSurface : public QAccessibleWidget {
public:
    explicit AccessibleSurface(QWidget* surface)
        : QAccessibleWidget(surface,
                            surface->isWindow() ? QAccessible::Window : QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(presented().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = presented();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        return static_cast<int>(presented().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> presented() const {
        QList<QWidget*> children;
        for (QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow() && !qobject_cast<QMenu*>(child) &&
                !qobject_cast<LineShape*>(child))
                children << child;
        }
        return children;
    }
};

QAccessibleInterface* AccessibleSurfaceFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("zorimex::ui::PictureSurface"))
        if (auto* surface = qobject_cast<PictureSurface*>(object))
            return new AccessibleSurface(surface);
    return nullptr;
}

} // namespace

void PictureSurface::installAccessibility() {
    QAccessible::installFactory(AccessibleSurfaceFactory);
}

PictureSurface::PictureSurface(QWidget* parent) : QFrame(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureSurface::setPicture(const QString& path) {
    picture_.load(path, *this);
    update();
}

void PictureSurface::setBackColor(const QString& colour) {
    backColor_ = colour;
    // The palette says what the surface paints, so whoever asks for the window's background
    // (a style, a screen magnifier, a test) gets the one colour the design names.
    QPalette palette = this->palette();
    palette.setColor(backgroundRole(), resolvedBackColor());
    setPalette(palette);
    update();
}

QColor PictureSurface::resolvedBackColor() const {
    const QColor colour = DesignColour(backColor_, palette());
    return colour.isValid() ? colour : palette().color(QPalette::Button);
}

void PictureSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), resolvedBackColor());
    if (!pixmap().isNull()) {
        painter.setClipRect(contentsRect());
        painter.drawPixmap(contentsRect().topLeft(), pixmap());
        painter.setClipping(false);
    }
    drawFrame(&painter);
}

} // namespace zorimex::ui
