#include "zorimex/ui/clickable_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zorimex::ui {
namespace {

class AccessibleClickableLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = static_cast<const ClickableLabel*>(widget())->text();
        return text;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            QMetaObject::invokeMethod(widget(), "clicked", Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* accessibleClickableLabel(const QString& className, QObject* object) {
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
    QAccessible::installFactory(accessibleClickableLabel);
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
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            emit clicked();
        event->accept();
        return;
    default:
        CaptionLabel::keyPressEvent(event);
    }
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
