#include <zorimex/preferences/error_report.h>

#include <QDir>

namespace zorimex {

QString applicationTitle() {
    return QStringLiteral("ZRMX Ver.6");
}

QString errorReportText(const AppError& error) {
    QString text = QStringLiteral("エラー %1: %2").arg(error.number).arg(error.description);
    if (!error.path.isEmpty())
        text += QLatin1Char('\n') + QDir::toNativeSeparators(error.path);
    if (!error.detail.isEmpty())
        text += QStringLiteral("\n(%1)").arg(error.detail);
    return text;
}

} // namespace zorimex
