#include <zorimex/preferences/durable_write.h>

#include <QFileInfo>
#include <QSaveFile>

namespace zorimex {

DurableWriter::DurableWriter() = default;

std::optional<AppError> DurableWriter::replace(const QString& path, QByteArrayView bytes) const {
    const QFileInfo requested(path);
    if (!QFileInfo(requested.absolutePath()).isDir())
        return AppError::make(error_number::PathNotFound, path);
    if (requested.isDir() || (requested.exists() && !requested.isWritable()))
        return AppError::make(error_number::PathFileAccess, path);

    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return AppError::make(error_number::PathFileAccess, path, file.errorString());
    // commit() can report success after a buffered write failed and would then put an empty file
    // in place of the old one, so the write and the flush are checked here and the save is
    // abandoned when either fails.
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting(); // the destructor then removes the temporary file
        return AppError::make(error_number::DeviceIo, path, reason);
    }
    if (!file.commit())
        return AppError::make(error_number::DeviceIo, path, file.errorString());
    return std::nullopt;
}

} // namespace zorimex
