#include "drive_files.h"

#include "zorimex/preferences/preference_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zorimex::test {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return file.readAll();
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QStringList StrayEntries(const QString& folder) {
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                 QDir::NoDotAndDotDot);
    entries.removeAll(preferences::PreferenceFile::fileName());
    return entries;
}

bool PrepareDrive(const QString& root, DriveHolds holds, const QByteArray& content) {
    const preferences::PreferenceFile file{preferences::DriveRoot(root)};
    switch (holds) {
    case DriveHolds::Nothing:
        return true;
    case DriveHolds::FolderWithoutFile:
        return QDir().mkpath(file.folderPath());
    case DriveHolds::FileWithContent:
        return QDir().mkpath(file.folderPath()) && WriteFileBytes(file.path(), content);
    case DriveHolds::FolderAtFilePath:
        return QDir().mkpath(file.path());
    case DriveHolds::RootIsAFile:
        return QDir().mkpath(QFileInfo(root).absolutePath()) && WriteFileBytes(root, {});
    }
    return false;
}

} // namespace zorimex::test
