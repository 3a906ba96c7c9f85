#pragma once
// Replacing a small file so that it is never seen half-written: the new bytes go to a temporary
// file in the same folder, are forced to the disk, and only then take the old file's place. A
// failure at any step leaves the old content whole and removes the temporary file.

#include "zorimex/failure/app_error.h"

#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>

namespace zorimex::preferences {

/// The file calls a replacement makes, the system's own unless a test swaps some for failing
/// ones; each platform has its set (durable_write_test_hooks.h).
struct FileCalls;

class DurableWriter {
public:
    /// Writes through the real file system.
    DurableWriter();
    /// Writes through `calls`.
    explicit DurableWriter(const FileCalls& calls);
    DurableWriter(const DurableWriter& other);
    DurableWriter& operator=(const DurableWriter& other);
    ~DurableWriter();

    /// Makes the file at path hold exactly bytes. Fails, changing nothing, when the folder is
    /// missing (76), path names a folder or the file or folder is not writable (75), the disk is
    /// full (61) or the device fails (57). A symbolic link keeps pointing at the replaced file.
    std::optional<failure::AppError> replace(const QString& path, QByteArrayView bytes) const;

private:
    std::unique_ptr<const FileCalls> calls_; // never null
};

} // namespace zorimex::preferences
