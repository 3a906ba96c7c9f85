#include "skipped_checks.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace zorimex::test {

void NoteSkip(const QString& reason) {
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QString where = program + u' ' + QString::fromLatin1(QTest::currentTestFunction());
    if (const char* row = QTest::currentDataTag(); row && *row)
        where += u'(' + QString::fromUtf8(row) + u')';
    // Appended in one write: test programs running side by side share the file.
    QFile log(QStringLiteral(ZORIMEX_SKIP_LOG));
    if (log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        log.write((where + QStringLiteral(": ") + reason.simplified() + u'\n').toUtf8());
}

} // namespace zorimex::test
