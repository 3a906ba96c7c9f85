#include "design_properties.h"

#include "empty_title.h"
#include "field_fit.h"
#include "zorimex/ui/system_colours.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QWidget>

namespace zorimex::ui {
namespace {

// A property declared by the widget's class (a picture surface's backColor) is handled by the
// class itself; only the dynamic ones are ours to apply.
bool IsDynamic(const QWidget* widget, const char* name) {
    return widget->metaObject()->indexOfProperty(name) < 0 && widget->property(name).isValid();
}

void ApplyFontSize(QWidget* widget) {
    if (!IsDynamic(widget, "pointSizeF"))
        return;
    QFont font = widget->font();
    font.setPointSizeF(widget->property("pointSizeF").toDouble());
    widget->setFont(font);
}

void ApplyColours(QWidget* widget) {
    const bool back = IsDynamic(widget, "backColor");
    const bool fore = IsDynamic(widget, "foreColor");
    if (!back && !fore)
        return;
    QPalette palette = widget->palette();
    const bool isField = qobject_cast<QLineEdit*>(widget) != nullptr;
    const bool isPushButton =
        qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QRadioButton*>(widget);
    if (back) {
        const QColor colour = DesignColour(widget->property("backColor").toString(), palette);
        if (isField) {
            palette.setColor(QPalette::Base, colour);
        } else if (isPushButton) {
            palette.setColor(QPalette::Button, colour);
        } else {
            // Labels and radio buttons with a back colour are opaque.
            palette.setColor(widget->backgroundRole(), colour);
            widget->setAutoFillBackground(true);
        }
    }
    if (fore) {
        const QColor colour = DesignColour(widget->property("foreColor").toString(), palette);
        palette.setColor(isField ? QPalette::Text
                                 : (isPushButton ? QPalette::ButtonText : QPalette::WindowText),
                         colour);
    }
    widget->setPalette(palette);
}

void ApplyToTree(QWidget* widget) {
    ApplyFontSize(widget);
    ApplyColours(widget);
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        NarrowTextToFit(field);
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        ApplyToTree(child);
}

} // namespace

void ApplyDesignProperties(QWidget* window) {
    ApplyToTree(window);
    if (window->windowTitle().isEmpty())
        KeepEmptyTitleEmpty(window);

    if (auto* mainWindow = qobject_cast<QMainWindow*>(window); mainWindow && mainWindow->menuBar())
        mainWindow->resize(mainWindow->width(),
                           mainWindow->height() + mainWindow->menuBar()->sizeHint().height());

    const QString focusName = window->property("initialFocus").toString();
    if (!focusName.isEmpty())
        if (auto* first = window->findChild<QWidget*>(focusName))
            first->setFocus(Qt::OtherFocusReason);
}

} // namespace zorimex::ui
