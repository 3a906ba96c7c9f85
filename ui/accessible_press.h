#pragma once
// How assistive technology sees a control that acts on a click but is not a button of the
// toolkit (the currency labels, the banners): a role of its own and a press action that clicks
// it, as the mouse or Space does. Space and Enter on a focused control press it as well.

#include <QAccessibleWidget>
#include <QKeyEvent>

namespace zorimex::ui {

class AccessiblePress : public QAccessibleWidget {
public:
    /// `click` is the name of the control's signal that a click emits.
    AccessiblePress(QWidget* control, QAccessible::Role role, const char* click);

    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    const char* click_;
};

/// True for the keys that press a focused control: Space, Return and Enter.
bool IsPressKey(const QKeyEvent& event);

} // namespace zorimex::ui
