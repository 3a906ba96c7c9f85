#include "zorimex/ui/error_box.h"

#include <zorimex/failure/error_report.h>

#include <QMessageBox>

#include <cstdio>

namespace zorimex::ui {

void ReportFailure(const AppError& error) {
    // Before the box: the box waits for the user, the line should not.
    std::fprintf(stderr, "%s\n", ErrorReportLine(error).toLocal8Bit().constData());
    std::fflush(stderr);
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), ErrorReportText(error),
                    QMessageBox::Ok);
    box.exec();
}

} // namespace zorimex::ui
