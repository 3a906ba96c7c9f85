#pragma once
// The text of the message box that reports a failure. Kept apart from the box itself so that the
// wording can be checked without a GUI.

#include <zorimex/preferences/app_error.h>

#include <QString>

namespace zorimex {

/// The title of every message box that has none of its own: "ZRMX Ver.6".
QString applicationTitle();

/// "エラー <number>: <description>", then the path with native separators on its own line when
/// the error concerns a file, then the system's explanation in parentheses when there is one.
QString errorReportText(const AppError& error);

} // namespace zorimex
