#pragma once
// A failure the program reports to the user before it stops (at start-up) or stops the handler that
// hit it (later). The numbers are the classic runtime-error numbers users and helpdesks know, so a
// report reads the same whatever the platform's own error code was.

#include <QString>

namespace zorimex::failure {

/// Every error number the program reports.
namespace error_number {
inline constexpr int kFileNotFound = 53; // folder exists, file does not
inline constexpr int kDeviceIo = 57;     // the device failed to read or write (EIO and the like)
inline constexpr int kDiskFull = 61;     // no space left (ENOSPC, EDQUOT)
inline constexpr int kInputPastEnd = 62; // the file has no bytes at all
inline constexpr int kPathFileAccess =
    75;                                  // access denied, read-only, a folder where a file belongs
inline constexpr int kPathNotFound = 76; // the folder is missing
// No web browser could be started for a banner: the classic number for an object that could
// not be created.
inline constexpr int kBrowserNotStarted = 429;
} // namespace error_number

struct AppError {
    int number = 0;
    QString description; ///< in Japanese, ends with "。"
    QString path;        ///< the file or folder concerned, empty when the error is not about a file
    QString detail;      ///< the system's own explanation, if any (shown in parentheses)

    /// An error with the program's description for number (a generic one for unknown numbers).
    static AppError make(int number, const QString& path = {}, const QString& detail = {});
};

/// The program's description of an error number, e.g. 53 -> "ファイルが見つかりません。".
QString DescribeErrorNumber(int number);

} // namespace zorimex::failure
