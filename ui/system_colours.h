#pragma once
// The window definitions name some colours by their desktop meaning ("the colour of an inactive
// title bar") rather than by value. This is the one place that says what each name becomes.

#include <QColor>
#include <QPalette>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace zorimex::ui {

/// The palette role that carries a named system colour, or nothing when Qt has no such role
/// (title bars and scroll bars belong to the window manager) and a fixed value stands in.
std::optional<QPalette::ColorRole> SystemColourRole(QStringView name);

/// Every system colour name a window definition may use.
QStringList SystemColourNames();

/// A design colour: "#RRGGBB" as written, or a system colour name resolved against `palette`.
/// Anything else gives an invalid QColor.
QColor DesignColour(QStringView name, const QPalette& palette);

} // namespace zorimex::ui
