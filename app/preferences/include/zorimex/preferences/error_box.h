#pragma once
// Shows a failure to the user. Lives in its own small library so the preference layer itself
// needs no widgets.

#include <zorimex/preferences/app_error.h>

class QWidget;

namespace zorimex {

/// Shows the error in a modal message box titled "ZRMX Ver.6" with one OK button; returns when
/// the user has closed it. Needs a QApplication.
void showErrorReport(const AppError& error, QWidget* parent = nullptr);

} // namespace zorimex
