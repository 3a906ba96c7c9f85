// The half of the durable write that is the same on every platform; durable_write_posix.cpp and
// durable_write_windows.cpp make the replacement itself.

#include "zorimex/preferences/durable_write.h"

#include "temporary_files.h"
#include "zorimex/preferences/durable_write_test_hooks.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace zorimex::preferences {

DurableWriter::DurableWriter() : DurableWriter(FileCalls::system()) {}

DurableWriter::DurableWriter(const FileCalls& calls)
    : calls_(std::make_unique<const FileCalls>(calls)) {}

// Each writer holds calls of its own, so a copy depends on no other writer; there is no move, so
// no writer is ever left without calls.
DurableWriter::DurableWriter(const DurableWriter& other) : DurableWriter(*other.calls_) {}

DurableWriter& DurableWriter::operator=(const DurableWriter& other) {
    if (this != &other)
        calls_ = std::make_unique<const FileCalls>(*other.calls_);
    return *this;
}

DurableWriter::~DurableWriter() = default;

QString TemporaryPathBeside(const QString& folder, const QString& fileName) {
    return QStringLiteral("%1/.%2.%3.tmp")
        .arg(folder, fileName)
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

void RemoveStaleTemporaries(const QString& folder, const QString& fileName) {
    constexpr qint64 kStaleAfterSeconds = 600;
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-kStaleAfterSeconds);
    const QStringList pattern{QStringLiteral(".%1.*.tmp").arg(fileName)};
    const auto leftovers =
        QDir(folder).entryInfoList(pattern, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& leftover : leftovers)
        if (leftover.lastModified().toUTC() < staleBefore)
            QFile::remove(leftover.absoluteFilePath());
}

} // namespace zorimex::preferences
