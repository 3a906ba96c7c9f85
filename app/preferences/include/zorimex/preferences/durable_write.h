#pragma once
// Replacing a small file so that it is never seen half-written: the new bytes go to a temporary
// file in the same folder, are forced to the disk, and only then take the old file's place. A
// failure at any step leaves the old content whole and removes the temporary file.

#include "zorimex/failure/app_error.h"

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <optional>

#ifndef Q_OS_WIN
#include <sys/types.h>
#endif

namespace zorimex::preferences {

#ifndef Q_OS_WIN
/// The system calls a replacement makes from opening its temporary file on. Tests swap single
/// calls for failing ones to see what a write that fails part-way leaves behind.
struct PosixFileCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* buffer, size_t count);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);

    /// The real calls.
    static PosixFileCalls system();
};
#else
/// The Windows calls a replacement makes once its temporary file is open, each failing with
/// GetLastError() set. Tests swap single calls for failing ones.
struct WindowsFileCalls {
    bool (*write)(void* file, const void* buffer, unsigned long count, unsigned long* written);
    bool (*flush)(void* file);
    bool (*close)(void* file);
    bool (*replace)(const wchar_t* from, const wchar_t* to);

    /// The real calls: WriteFile, FlushFileBuffers, CloseHandle and MoveFileExW.
    static WindowsFileCalls system();
};
#endif

class DurableWriter {
public:
    /// Writes through the real file system.
    DurableWriter();
#ifndef Q_OS_WIN
    explicit DurableWriter(const PosixFileCalls& calls) : calls_(calls) {}
#else
    explicit DurableWriter(const WindowsFileCalls& calls) : calls_(calls) {}
#endif

    /// Makes the file at path hold exactly bytes. Fails, changing nothing, when the folder is
    /// missing (76), path names a folder or the file or folder is not writable (75), the disk is
    /// full (61) or the device fails (57). A symbolic link keeps pointing at the replaced file.
    std::optional<failure::AppError> replace(const QString& path, QByteArrayView bytes) const;

private:
#ifndef Q_OS_WIN
    PosixFileCalls calls_;
#else
    WindowsFileCalls calls_;
#endif
};

#ifdef Q_OS_WIN
/// The error number for a Windows error code (GetLastError()) from opening, writing or renaming.
int ErrorNumberForWindowsError(unsigned long code);
#endif

} // namespace zorimex::preferences
