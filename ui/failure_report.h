#pragma once
// How a handler that hit a failure tells the user. The program keeps no log, so the same words
// also go to standard error as one line: someone who started it from a terminal (or a service
// desk reading a session's output) sees what the box said after the box is gone.

#include <zorimex/preferences/app_error.h>

namespace zorimex::ui {

/// Writes the report as one line on standard error, then shows it in the modal message box
/// titled "ZRMX Ver.6" and returns when the user has closed the box.
void ReportFailure(const AppError& error);

/// The one-line form written to standard error: "zorimex: " and the box's text with its line
/// breaks turned into blanks.
QString FailureReportLine(const AppError& error);

} // namespace zorimex::ui
