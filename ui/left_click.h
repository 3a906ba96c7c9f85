#pragma once
// What a click is for the program's clickable pictures and labels: the left button pressed on the
// control and released inside it, as a button would take it.

#include <QMouseEvent>
#include <QWidget>

namespace zorimex::ui {

/// Accepts a left-button press, so that its release comes back to the same control.
inline void AcceptLeftPress(QMouseEvent* event) {
    event->setAccepted(event->button() == Qt::LeftButton);
}

/// Whether `event` releases the left button inside `control`: the end of a click.
inline bool EndsLeftClick(const QWidget& control, const QMouseEvent& event) {
    return event.button() == Qt::LeftButton && control.rect().contains(event.position().toPoint());
}

} // namespace zorimex::ui
