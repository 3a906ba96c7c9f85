#include "zorimex/preferences/preference_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zorimex::preferences {

namespace {

enum class ReadOutcome { Value, FolderMissing, FileMissing, Empty, NotAllowed, ReadFailed };

struct RawRead {
    ReadOutcome outcome;
    QString value;
    QString detail;
};

/// Why a file could not be opened, judged from what stands on the disk after the attempt.
ReadOutcome ExplainOpenFailure(const QString& folderPath, const QString& filePath) {
    if (!QFileInfo(folderPath).isDir())
        return ReadOutcome::FolderMissing;
    const QFileInfo file(filePath);
    if (!file.exists())
        return ReadOutcome::FileMissing;
    return ReadOutcome::NotAllowed;
}

RawRead ReadFirstLine(const QString& folderPath, const QString& filePath) {
    if (filePath.isEmpty())
        return {ReadOutcome::FolderMissing, {}, {}};
    // A folder, pipe or device where the file belongs is refused before opening: a pipe would
    // block the start-up forever.
    const QFileInfo info(filePath);
    if (info.exists() && !info.isFile())
        return {ReadOutcome::NotAllowed, {}, {}};

    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return {ExplainOpenFailure(folderPath, filePath), {}, file.errorString()};
    const QByteArray head = file.read(PreferenceFile::kReadLimit);
    if (head.isEmpty() && file.error() != QFileDevice::NoError)
        return {ReadOutcome::ReadFailed, {}, file.errorString()};
    if (head.isEmpty())
        return {ReadOutcome::Empty, {}, {}};

    qsizetype end = 0;
    while (end < head.size() && head.at(end) != '\r' && head.at(end) != '\n')
        ++end;
    return {ReadOutcome::Value, QString::fromLatin1(head.constData(), end), {}};
}

} // namespace

PreferenceFile::PreferenceFile(const DriveRoot& root, const DurableWriter& writer)
    : folderPath_(root.resolve(folderRelativePath())),
      filePath_(root.resolve(folderRelativePath() + QLatin1Char('/') + fileName())),
      writer_(writer) {}

std::optional<failure::AppError> PreferenceFile::ensureInstalled() const {
    if (folderPath_.isEmpty())
        return failure::AppError::make(failure::error_number::kPathNotFound, folderRelativePath());
    if (QFileInfo(folderPath_).isDir())
        return std::nullopt;
    if (!QDir().mkpath(folderPath_))
        return failure::AppError::make(failure::error_number::kPathFileAccess, folderPath_);
    return writer_.replace(filePath_, QByteArrayView("U\r\n"));
}

PreferenceRead PreferenceFile::read() const {
    RawRead raw = ReadFirstLine(folderPath_, filePath_);
    const QString shownPath =
        filePath_.isEmpty() ? folderRelativePath() + QLatin1Char('/') + fileName() : filePath_;
    const auto failure = [&](int number) {
        return PreferenceRead{{}, failure::AppError::make(number, shownPath, raw.detail)};
    };
    switch (raw.outcome) {
    case ReadOutcome::Value:
        return PreferenceRead{std::move(raw.value), std::nullopt};
    case ReadOutcome::FolderMissing:
        return failure(failure::error_number::kPathNotFound);
    case ReadOutcome::FileMissing:
        return failure(failure::error_number::kFileNotFound);
    case ReadOutcome::Empty:
        return failure(failure::error_number::kInputPastEnd);
    case ReadOutcome::NotAllowed:
        return failure(failure::error_number::kPathFileAccess);
    case ReadOutcome::ReadFailed:
        return failure(failure::error_number::kDeviceIo);
    }
    return failure(failure::error_number::kDeviceIo);
}

std::optional<failure::AppError> PreferenceFile::write(char answer) const {
    if (filePath_.isEmpty())
        return failure::AppError::make(failure::error_number::kPathNotFound,
                                       folderRelativePath() + QLatin1Char('/') + fileName());
    const char line[] = {answer, '\r', '\n'};
    return writer_.replace(filePath_, QByteArrayView(line, 3));
}

} // namespace zorimex::preferences
