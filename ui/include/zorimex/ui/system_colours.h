#pragma once
// The window definitions name some colours by their desktop meaning ("the colour of an inactive
// title bar") rather than by value. This is the one place that says what each name becomes.

#include <QColor>
#include <QPalette>
#include <QStringView>

namespace zorimex::ui {

/// A design colour: "#RRGGBB" as written, or a system colour name resolved against `palette`.
/// Anything else gives an invalid QColor.
QColor DesignColour(QStringView name, const QPalette& palette);

} // namespace zorimex::ui
