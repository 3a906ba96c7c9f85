#pragma once
// A small tmpfs mounted on a folder for the lifetime of the object, to make a disk that fills up.
// Mounting needs the right to mount (root in most setups); callers skip when it is refused.

#include <QByteArray>
#include <QString>

namespace zorimex::test {

class ScratchMount {
public:
    /// Mounts a tmpfs with `options` (e.g. "size=64k") on the existing folder `folder`.
    ScratchMount(const QString& folder, const QByteArray& options);
    /// Unmounts, detaching it if something still holds it open.
    ~ScratchMount();
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;

    bool mounted() const { return mounted_; }
    /// Why the mount failed (empty when it did not).
    QString error() const { return error_; }

private:
    QByteArray folder_;
    bool mounted_ = false;
    QString error_;
};

/// Fills the file system that holds `folder` until the system reports it full: the bytes go
/// into a new file `name` there. Returns the errno that ended the filling (ENOSPC when the disk
/// is full).
int FillFileSystem(const QString& folder, const QString& name);

} // namespace zorimex::test
