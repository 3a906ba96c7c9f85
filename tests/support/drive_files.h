#pragma once
// The preference file's surroundings as the tests lay them out and read them back: a file's exact
// bytes, what a replacement left beside or.txt, and the states a drive can be found in.

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QStringList>

namespace zorimex::test {

/// The file's bytes, or "<unreadable>" when it cannot be read.
QByteArray FileBytes(const QString& path);

/// Makes the file hold exactly `bytes`, creating it when needed.
bool WriteFileBytes(const QString& path, const QByteArray& bytes);

/// Everything in the folder except or.txt itself: leftovers of a replacement.
QStringList StrayEntries(const QString& folder);

/// What a drive root holds when the program starts.
enum class DriveHolds {
    Nothing,           ///< not even the drive root's folder
    FolderWithoutFile, ///< "Program Files/Zorimex 2002" without or.txt
    FileWithContent,   ///< or.txt with the given bytes (none: an empty file)
    FolderAtFilePath,  ///< a folder named or.txt
    RootIsAFile,       ///< a plain file where the drive root's folder belongs
};

/// Lays out `root` as `holds` says; `content` is or.txt's bytes for FileWithContent.
bool PrepareDrive(const QString& root, DriveHolds holds, const QByteArray& content = {});

} // namespace zorimex::test

Q_DECLARE_METATYPE(zorimex::test::DriveHolds)
