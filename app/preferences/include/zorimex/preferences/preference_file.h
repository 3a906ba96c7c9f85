#pragma once
// The one-line file that remembers whether the user agreed to see the latest-version page:
// "<drive root>/Program Files/Zorimex 2002/or.txt". "U" means not asked yet, "Y" yes, "N" no;
// any other first line counts as no.

#include "zorimex/failure/app_error.h"
#include "zorimex/preferences/drive_root.h"
#include "zorimex/preferences/durable_write.h"

#include <QString>

#include <optional>

namespace zorimex::preferences {

/// What reading the first line gave: the value, or why there is none.
struct PreferenceRead {
    QString value;                          ///< meaningful only when there is no error
    std::optional<failure::AppError> error; ///< set when the file could not be read

    bool ok() const { return !error.has_value(); }
};

class PreferenceFile {
public:
    /// The folder below the drive root, and the file in it.
    static QString folderRelativePath() { return QStringLiteral("Program Files/Zorimex 2002"); }
    static QString fileName() { return QStringLiteral("or.txt"); }

    /// The longest first line looked at; anything longer cannot be one of the answers anyway.
    static constexpr qint64 kReadLimit = qint64{64} * 1024;

    explicit PreferenceFile(const DriveRoot& root, const DurableWriter& writer = DurableWriter());

    /// The file's absolute path ('/' separators); empty when the drive root is invalid.
    QString path() const { return filePath_; }
    QString folderPath() const { return folderPath_; }

    /// First-run installation: when the folder does not exist, creates it and writes "U" CR LF.
    /// Does nothing when the folder exists, whatever it holds.
    std::optional<failure::AppError> ensureInstalled() const;

    /// The first line's exact characters, read as 8-bit text, before the first CR, CR LF or LF.
    /// An empty first line gives the empty value. Fails with 76 when the folder is missing, 53
    /// when the file is, 62 when the file has no bytes, 75 when it cannot be opened (not allowed,
    /// or not a plain file) and 57 when reading fails.
    PreferenceRead read() const;

    /// Makes the file hold exactly answer, CR, LF ('Y' or 'N'). The old content stays whole
    /// when the write fails: 76 when the folder is missing, 75 when a folder stands at the
    /// file's path or it is not writable, 61 when the disk is full, 57 on device failures.
    std::optional<failure::AppError> write(char answer) const;

private:
    QString folderPath_;
    QString filePath_;
    DurableWriter writer_;
};

} // namespace zorimex::preferences
