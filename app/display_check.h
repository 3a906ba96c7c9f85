#pragma once
// Whether the desktop can be reached at all. Qt aborts with a long message when it cannot open a
// display; on a machine without one (a server, a container, a CI job) one line that says so and
// how to run the program anyway serves the user better.

#include <QString>

namespace zorimex::app {

/// False only where windows need an X11 or Wayland display, none is named (DISPLAY and
/// WAYLAND_DISPLAY are unset or empty), and no platform was chosen (QT_QPA_PLATFORM, or
/// -platform / --platform among the arguments). Call before the QApplication exists.
bool DisplayAvailable(int argc, const char* const* argv);

/// Where both a Wayland and an X11 display are named and no platform was chosen, has Qt use
/// X11 (through Xwayland on a Wayland desktop), with Wayland as the fallback: under Wayland a
/// program can neither place its windows where their definitions put them nor bring a window
/// to the front, and this program does both. Call before the QApplication exists.
void PreferX11OnWayland(int argc, const char* const* argv);

/// The one line printed on standard error when there is no display, without a line end, in the
/// language of the installed translators. It tells how to run the program as the user started it
/// (`program`, from argv[0]).
QString NoDisplayMessage(const QString& program);

} // namespace zorimex::app
