#include "zorimex/ui/error_box.h"

#include "zorimex/failure/error_report.h"

#include <QMessageBox>

#include <cstdio>

namespace zorimex::ui {

void ReportFailure(const failure::AppError& error) {
    // Before the box: the box waits for the user, the line should not.
    std::fprintf(stderr, "%s\n", failure::ErrorReportLine(error).toLocal8Bit().constData());
    std::fflush(stderr);
    QMessageBox box(QMessageBox::Critical, failure::ApplicationTitle(),
                    failure::ErrorReportText(error), QMessageBox::Ok);
    box.exec();
}

} // namespace zorimex::ui
