#pragma once
// A window whose title is empty by design shows an empty title bar. Qt never sends an empty
// title to an X11 window manager: it puts the application's name in its place, so on X11 the
// window's name properties are cleared again once the native window exists.

class QWidget;

namespace zorimex::ui {

/// Keeps the title bar of `window` empty for as long as its title is empty. Does nothing on
/// platforms that show an empty title as it is.
void KeepEmptyTitleEmpty(QWidget* window);

} // namespace zorimex::ui
