#include "zorimex/preferences/durable_write.h"

#include "temporary_files.h"
#include "zorimex/preferences/durable_write_test_hooks.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

namespace zorimex::preferences {

namespace {

// Not in every SDK's winerror.h.
constexpr unsigned long kErrorDiskQuotaExceeded = 1295;

// The error number for a Windows error code (GetLastError()) from opening, writing or renaming.
int ErrorNumberForWindowsError(unsigned long code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_NETPATH:
    case ERROR_INVALID_DRIVE:
        return failure::error_number::kPathNotFound;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case kErrorDiskQuotaExceeded:
        return failure::error_number::kDiskFull;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return failure::error_number::kPathFileAccess;
    default:
        return failure::error_number::kDeviceIo;
    }
}

failure::AppError WindowsError(unsigned long code, const QString& path) {
    return failure::AppError::make(ErrorNumberForWindowsError(code), path,
                                   qt_error_string(static_cast<int>(code)));
}

std::wstring NativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}

/// Opens a new, empty file beside the target under a name nobody else uses.
HANDLE CreateTemporaryBeside(const QString& folder, const QString& fileName, QString& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = TemporaryPathBeside(folder, fileName);
        const HANDLE file = CreateFileW(NativePath(tempPath).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

bool SystemWrite(void* file, const void* buffer, unsigned long count, unsigned long* written) {
    DWORD done = 0;
    const bool ok = WriteFile(static_cast<HANDLE>(file), buffer, count, &done, nullptr);
    *written = done;
    return ok;
}
bool SystemFlush(void* file) {
    return FlushFileBuffers(static_cast<HANDLE>(file));
}
bool SystemClose(void* file) {
    return CloseHandle(static_cast<HANDLE>(file));
}
bool SystemReplace(const wchar_t* from, const wchar_t* to) {
    // Write-through: the call returns once the new name is on the disk.
    return MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

} // namespace

FileCalls FileCalls::system() {
    return {SystemWrite, SystemFlush, SystemClose, SystemReplace};
}

std::optional<failure::AppError> DurableWriter::replace(const QString& path,
                                                        QByteArrayView bytes) const {
    const QFileInfo requested(path);
    const QString folder = requested.absolutePath();
    if (!QFileInfo(folder).isDir())
        return failure::AppError::make(failure::error_number::kPathNotFound, path);

    // Replacing would happily take the place of a read-only file; the user's protection counts
    // for more than the new answer. A folder where the file belongs stays too.
    const DWORD attributes = GetFileAttributesW(NativePath(requested.absoluteFilePath()).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
        return WindowsError(ERROR_ACCESS_DENIED, path);

    RemoveStaleTemporaries(folder, requested.fileName());
    QString tempPath;
    HANDLE file = CreateTemporaryBeside(folder, requested.fileName(), tempPath);
    if (file == INVALID_HANDLE_VALUE)
        return WindowsError(GetLastError(), path);

    const auto fail = [&](unsigned long code) {
        if (file != INVALID_HANDLE_VALUE)
            calls_->close(file);
        DeleteFileW(NativePath(tempPath).c_str());
        return WindowsError(code, path);
    };

    const char* data = bytes.data();
    auto remaining = static_cast<unsigned long>(bytes.size());
    while (remaining > 0) {
        unsigned long written = 0;
        if (!calls_->write(file, data, remaining, &written))
            return fail(GetLastError());
        if (written == 0)
            return fail(ERROR_WRITE_FAULT);
        data += written;
        remaining -= written;
    }
    if (!calls_->flush(file))
        return fail(GetLastError());
    const bool closed = calls_->close(file);
    file = INVALID_HANDLE_VALUE;
    if (!closed)
        return fail(GetLastError());
    if (!calls_->replace(NativePath(tempPath).c_str(),
                         NativePath(requested.absoluteFilePath()).c_str()))
        return fail(GetLastError());
    return std::nullopt;
}

} // namespace zorimex::preferences
