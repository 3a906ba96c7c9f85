#pragma once
// What a window definition says that uic cannot express, carried as dynamic properties in the
// .ui files and applied once after setupUi:
//   pointSizeF    fractional font size in points (the .ui font holds whole points only)
//   backColor     "#RRGGBB" or a system colour name, the control's background
//   foreColor     the same for its text
//   initialFocus  (window) the control that has the focus when the window opens
// and, for a main window, the .ui geometry is the client area below the menu bar.

class QWidget;

namespace zorimex::ui {

/// Applies the design properties of `window` and all its descendants.
void ApplyDesignProperties(QWidget* window);

} // namespace zorimex::ui
