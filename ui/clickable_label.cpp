#include "zorimex/ui/clickable_label.h"

#include "accessible_press.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zorimex::ui {
namespace {

class AccessibleClickableLabel : public AccessiblePress {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label)
        : AccessiblePress(label, QAccessible::Button, "clicked") {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = static_cast<const ClickableLabel*>(widget())->text();
        return text;
    }
};

QAccessibleInterface* AccessibleClickableLabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("zorimex::ui::ClickableLabel"))
        if (auto* label = qobject_cast<ClickableLabel*>(object))
            return new AccessibleClickableLabel(label);
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(QWidget* parent) : CaptionLabel(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::installAccessibility() {
    QAccessible::installFactory(AccessibleClickableLabelFactory);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    SingleClick::press(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (click_.release(*this, event))
        emit clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    click_.doubleClick(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (!IsPressKey(*event)) {
        CaptionLabel::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        emit clicked();
    event->accept();
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    CaptionLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zorimex::ui
