#include <zorimex/preferences/error_box.h>
#include <zorimex/preferences/error_report.h>

#include <QMessageBox>

namespace zorimex {

void showErrorReport(const AppError& error, QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, applicationTitle(), errorReportText(error),
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace zorimex
