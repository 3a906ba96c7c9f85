#include "zorimex/failure/error_report.h"

#include "zorimex/application_title.h"

#include <QDir>

namespace zorimex::failure {

QString ApplicationTitle() {
    return QString::fromUtf8(kApplicationTitle);
}

QString ErrorReportText(const AppError& error) {
    QString text = QStringLiteral("エラー %1: %2").arg(error.number).arg(error.description);
    if (!error.path.isEmpty())
        text += QLatin1Char('\n') + QDir::toNativeSeparators(error.path);
    if (!error.detail.isEmpty())
        text += QStringLiteral("\n(%1)").arg(error.detail);
    return text;
}

QString ErrorReportLine(const AppError& error) {
    QString text = ErrorReportText(error);
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QStringLiteral("zorimex: ") + text;
}

} // namespace zorimex::failure
