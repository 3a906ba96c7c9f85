#pragma once
// The words that report a failure: the message box's title and text, and the same text as one
// line for standard error. Kept apart from the box itself (zorimex/ui/error_box.h) so that
// the wording can be checked, and used by start-up, without a GUI.

#include "zorimex/failure/app_error.h"

#include <QString>

namespace zorimex::failure {

/// The title of every message box that has none of its own: "ZRMX Ver.6".
QString ApplicationTitle();

/// "エラー <number>: <description>", then the path with native separators on its own line when
/// the error concerns a file, then the system's explanation in parentheses when there is one.
QString ErrorReportText(const AppError& error);

/// The one-line form written to standard error: "zorimex: " and the box's text with its line
/// breaks turned into blanks.
QString ErrorReportLine(const AppError& error);

} // namespace zorimex::failure
