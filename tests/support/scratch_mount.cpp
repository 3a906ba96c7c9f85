#include "scratch_mount.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace zorimex::test {

ScratchMount::ScratchMount(const QString& folder, const QByteArray& options)
    : folder_(QFile::encodeName(folder)) {
    if (::mount("tmpfs", folder_.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) ==
        0) {
        mounted_ = true;
        return;
    }
    error_ = QString::fromLocal8Bit(std::strerror(errno));
}

ScratchMount::~ScratchMount() {
    if (mounted_ && ::umount2(folder_.constData(), 0) != 0)
        ::umount2(folder_.constData(), MNT_DETACH);
}

int FillFileSystem(const QString& folder, const QString& name) {
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    const QByteArray block(4096, 'x');
    int code = 0;
    for (;;) {
        const ssize_t written = ::write(fd, block.constData(), static_cast<size_t>(block.size()));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            code = errno;
            break;
        }
        if (written < block.size()) {
            // A short write means the last bytes fit; the next write reports why no more do.
            continue;
        }
    }
    // Whatever fits in a partial page is used up too: single bytes until none goes in.
    while (code == ENOSPC && ::write(fd, "x", 1) == 1) {
    }
    ::close(fd);
    return code;
}

} // namespace zorimex::test
