#include "failure_report.h"

#include <zorimex/preferences/error_box.h>
#include <zorimex/preferences/error_report.h>

#include <cstdio>

namespace zorimex::ui {

QString FailureReportLine(const AppError& error) {
    QString text = errorReportText(error);
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QStringLiteral("zorimex: ") + text;
}

void ReportFailure(const AppError& error) {
    // Before the box: the box waits for the user, the line should not.
    std::fprintf(stderr, "%s\n", FailureReportLine(error).toLocal8Bit().constData());
    std::fflush(stderr);
    showErrorReport(error);
}

} // namespace zorimex::ui
