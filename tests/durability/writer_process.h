#pragma once
// Runs the preference writer as a child process, optionally killing it (SIGKILL; TerminateProcess
// on Windows) after a delay measured from the moment the child has been started.

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

namespace zorimex::test {

struct WriterRun {
    bool started = false;                ///< false: the child could not be started at all
    bool killed = false;                 ///< SIGKILL ended it before it exited by itself
    int exitCode = -1;                   ///< when it exited by itself
    QByteArray errorText;                ///< its stderr, or why it could not be started
    std::chrono::microseconds elapsed{}; ///< from start to its end
};

/// Runs `writer` on `driveRoot` with `answer`; with `killAfter`, sends SIGKILL once that much
/// time has passed since the start (a child already finished by then just exits normally).
WriterRun RunWriter(const QString& writer, const QString& driveRoot, char answer,
                    std::optional<std::chrono::microseconds> killAfter = std::nullopt);

} // namespace zorimex::test
