#include "zorimex/preferences/durable_write.h"

#include "temporary_files.h"
#include "zorimex/preferences/durable_write_test_hooks.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorimex::preferences {

namespace {

// The error number for an errno value from opening, writing or renaming a file.
int ErrorNumberForErrno(int code) {
    switch (code) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return failure::error_number::kPathNotFound;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return failure::error_number::kDiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
    case EEXIST:
        return failure::error_number::kPathFileAccess;
    default:
        return failure::error_number::kDeviceIo;
    }
}

QString SystemMessage(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

failure::AppError ErrnoError(int code, const QString& path) {
    return failure::AppError::make(ErrorNumberForErrno(code), path, SystemMessage(code));
}

/// Opens a new, empty file beside target under a name nobody else uses.
int CreateTemporaryBeside(const FileCalls& calls, const QString& folder, const QString& fileName,
                          QByteArray& tempPath) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = QFile::encodeName(TemporaryPathBeside(folder, fileName));
        const int fd =
            calls.open(tempPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

/// Makes the folder's entry for the renamed file durable too; a folder that cannot be synced
/// (some network file systems) still holds the new file, so failures are not reported.
void SyncFolder(const QString& folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

FileCalls FileCalls::system() {
    const auto openFile = [](const char* path, int flags, mode_t mode) {
        return ::open(path, flags, mode);
    };
    return {openFile, ::write, ::fsync, ::close, ::rename};
}

std::optional<failure::AppError> DurableWriter::replace(const QString& path,
                                                        QByteArrayView bytes) const {
    const QFileInfo requested(path);
    if (!QFileInfo(requested.absolutePath()).isDir())
        return failure::AppError::make(failure::error_number::kPathNotFound, path);

    // Write through a symbolic link, not over it.
    QString targetPath = requested.absoluteFilePath();
    if (requested.isSymLink() && requested.exists())
        targetPath = requested.canonicalFilePath();
    const QByteArray target = QFile::encodeName(targetPath);
    const QFileInfo targetInfo(targetPath);
    const QString folder = targetInfo.absolutePath();

    // Renaming would happily replace a read-only file or a special file; the user's protection
    // and whatever stands there count for more than the new answer.
    struct stat old {};
    const bool existed = ::stat(target.constData(), &old) == 0;
    if (existed) {
        if (S_ISDIR(old.st_mode))
            return ErrnoError(EISDIR, path);
        if (!S_ISREG(old.st_mode))
            return failure::AppError::make(failure::error_number::kPathFileAccess, path);
        if (::access(target.constData(), W_OK) != 0)
            return ErrnoError(errno, path);
    }

    RemoveStaleTemporaries(folder, targetInfo.fileName());
    QByteArray tempPath;
    int fd = CreateTemporaryBeside(*calls_, folder, targetInfo.fileName(), tempPath);
    if (fd < 0)
        return ErrnoError(errno, path);

    const auto fail = [&](int code) {
        if (fd >= 0)
            calls_->close(fd);
        ::unlink(tempPath.constData());
        return ErrnoError(code, path);
    };

    if (existed)
        ::fchmod(fd, old.st_mode & 07777);

    const char* data = bytes.data();
    auto remaining = static_cast<size_t>(bytes.size());
    while (remaining > 0) {
        const ssize_t written = calls_->write(fd, data, remaining);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (written == 0)
            return fail(EIO);
        data += written;
        remaining -= static_cast<size_t>(written);
    }
    if (calls_->fsync(fd) != 0)
        return fail(errno);
    const int closeResult = calls_->close(fd);
    fd = -1;
    if (closeResult != 0)
        return fail(errno);
    if (calls_->rename(tempPath.constData(), target.constData()) != 0)
        return fail(errno);
    SyncFolder(folder);
    return std::nullopt;
}

} // namespace zorimex::preferences
