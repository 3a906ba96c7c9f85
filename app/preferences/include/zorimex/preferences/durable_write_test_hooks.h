#pragma once
// The file calls a durable write makes, one set per platform. The program uses the system's own;
// tests swap single calls for failing ones to see what a write that fails part-way leaves behind.

#include "zorimex/preferences/durable_write.h"

#include <QtGlobal>

#ifndef Q_OS_WIN
#include <sys/types.h>
#endif

namespace zorimex::preferences {

#ifndef Q_OS_WIN
/// The system calls a replacement makes from opening its temporary file on.
struct FileCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* buffer, size_t count);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);

    /// The real calls.
    static FileCalls system();
};
#else
/// The Windows calls a replacement makes once its temporary file is open, each failing with
/// GetLastError() set.
struct FileCalls {
    bool (*write)(void* file, const void* buffer, unsigned long count, unsigned long* written);
    bool (*flush)(void* file);
    bool (*close)(void* file);
    bool (*replace)(const wchar_t* from, const wchar_t* to);

    /// The real calls: WriteFile, FlushFileBuffers, CloseHandle and MoveFileExW.
    static FileCalls system();
};
#endif

} // namespace zorimex::preferences
