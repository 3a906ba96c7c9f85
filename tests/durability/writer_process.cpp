#include "writer_process.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zorimex::test {
namespace {

void SleepFor(std::chrono::microseconds delay) {
    timespec rest{static_cast<time_t>(delay.count() / 1000000),
                  static_cast<long>((delay.count() % 1000000) * 1000)};
    while (::nanosleep(&rest, &rest) != 0 && errno == EINTR) {
    }
}

QByteArray ReadAll(int fd) {
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return bytes;
        bytes.append(buffer, got);
    }
}

} // namespace

WriterRun RunWriter(const QString& writer, const QString& driveRoot, char answer,
                    std::optional<std::chrono::microseconds> killAfter) {
    WriterRun run;
    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) {
        run.errorText = QByteArray("pipe2 failed: ") + std::strerror(errno);
        return run;
    }

    const QByteArray program = QFile::encodeName(writer);
    const QByteArray root = QFile::encodeName(driveRoot);
    char letter[] = {answer, '\0'};
    char* argv[] = {const_cast<char*>(program.constData()), const_cast<char*>(root.constData()),
                    letter, nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errorPipe[1], STDERR_FILENO);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = -1;
    const int spawned =
        ::posix_spawn(&child, program.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(errorPipe[1]);
    if (spawned != 0) {
        run.errorText = QByteArray("posix_spawn failed: ") + std::strerror(spawned);
        ::close(errorPipe[0]);
        return run;
    }
    run.started = true;

    if (killAfter) {
        const auto remaining = *killAfter - std::chrono::duration_cast<std::chrono::microseconds>(
                                                std::chrono::steady_clock::now() - start);
        if (remaining.count() > 0)
            SleepFor(remaining);
        ::kill(child, SIGKILL); // a child that has already exited is a zombie: harmless
    }
    // stderr is small (one report at most), so reading it to its end before waiting cannot block
    // the child on a full pipe.
    run.errorText = ReadAll(errorPipe[0]);
    ::close(errorPipe[0]);

    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    run.elapsed = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    if (WIFSIGNALED(status)) {
        run.killed = WTERMSIG(status) == SIGKILL;
        run.exitCode = -1;
    } else if (WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    return run;
}

} // namespace zorimex::test
