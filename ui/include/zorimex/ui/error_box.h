#pragma once
// The error box: how a handler that hit a failure tells the user (its words come from
// zorimex/failure/error_report.h). The program keeps no log, so the same words also go to
// standard error as one line: someone who started it from a terminal (or a service desk reading a
// session's output) sees what the box said after the box is gone.

#include "zorimex/failure/app_error.h"

namespace zorimex::ui {

/// Writes the report as one line on standard error, then shows it in a modal message box titled
/// "ZRMX Ver.6" with one OK button and returns when the user has closed the box.
void ReportFailure(const failure::AppError& error);

} // namespace zorimex::ui
