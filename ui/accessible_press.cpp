#include "accessible_press.h"

#include <QWidget>

namespace zorimex::ui {

AccessiblePress::AccessiblePress(QWidget* control, QAccessible::Role role, const char* click)
    : QAccessibleWidget(control, role), click_(click) {}

QStringList AccessiblePress::actionNames() const {
    return QStringList{pressAction()} << QAccessibleWidget::actionNames();
}

void AccessiblePress::doAction(const QString& action) {
    // Queued: the reader's request returns before the window acts (a banner may report a
    // failure in a modal box).
    if (action == pressAction())
        QMetaObject::invokeMethod(widget(), click_, Qt::QueuedConnection);
    else
        QAccessibleWidget::doAction(action);
}

bool IsPressKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

} // namespace zorimex::ui
