#pragma once
// What happens when the program starts: the start-up window is created, its load step reads the
// preference file and, by its first line, asks the consent question or starts the main window's
// browser pane; then the start-up window is displayed.

#include "zorimex/failure/app_error.h"
#include "zorimex/preferences/preference_file.h"

#include <optional>

namespace zorimex::ui {
class WindowRegistry;
}

namespace zorimex::app {

/// The exit status of a program whose start-up failed.
inline constexpr int kStartupFailed = 1;

/// Runs the start-up window's load step and displays the window. installFailure is what the
/// first-run installation of the preference file reported, if it failed. On a failure the
/// report is shown (and written to standard error), every window is gone, none was ever shown,
/// and the result is the exit status; otherwise the program is running and the result is empty.
/// Needs the QApplication and `windows`, connected (ConnectWindows) and with no window loaded; the
/// consent dialog's answers are written to preferences.
std::optional<int>
StartProgram(ui::WindowRegistry& windows, const preferences::PreferenceFile& preferences,
             const std::optional<failure::AppError>& installFailure = std::nullopt);

} // namespace zorimex::app
