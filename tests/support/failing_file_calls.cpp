#include "failing_file_calls.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <unistd.h>
#endif

namespace zorimex::test {

namespace {

bool g_failing = false;
int g_failureCode = 0;

// Whether the call fails now; if so, the system's error is set as the failing call sets it.
bool failsNow() {
    if (g_failing) {
#ifdef Q_OS_WIN
        SetLastError(static_cast<DWORD>(g_failureCode));
#else
        errno = g_failureCode;
#endif
    }
    return g_failing;
}

// The first byte of every other write goes through, then the disk fails.
bool g_wroteOne = false;
bool shortWriteFailsNow() {
    g_wroteOne = !g_wroteOne;
    return !g_wroteOne && failsNow();
}

#ifndef Q_OS_WIN
const preferences::PosixFileCalls kReal = preferences::PosixFileCalls::system();

int failingOpen(const char* path, int flags, mode_t mode) {
    return failsNow() ? -1 : kReal.open(path, flags, mode);
}
ssize_t failingWrite(int fd, const void* buffer, size_t count) {
    return failsNow() ? -1 : kReal.write(fd, buffer, count);
}
ssize_t writeOneByteThenFail(int fd, const void* buffer, size_t count) {
    if (shortWriteFailsNow())
        return -1;
    return kReal.write(fd, buffer, g_failing && count > 0 ? 1 : count);
}
int failingFsync(int fd) {
    return failsNow() ? -1 : kReal.fsync(fd);
}
int failingClose(int fd) {
    kReal.close(fd);
    return failsNow() ? -1 : 0;
}
int failingRename(const char* from, const char* to) {
    return failsNow() ? -1 : kReal.rename(from, to);
}
#else
const preferences::WindowsFileCalls kReal = preferences::WindowsFileCalls::system();

bool failingWrite(void* file, const void* buffer, unsigned long count, unsigned long* written) {
    return !failsNow() && kReal.write(file, buffer, count, written);
}
bool writeOneByteThenFail(void* file, const void* buffer, unsigned long count,
                          unsigned long* written) {
    return !shortWriteFailsNow() &&
           kReal.write(file, buffer, g_failing && count > 0 ? 1 : count, written);
}
bool failingFlush(void* file) {
    return !failsNow() && kReal.flush(file);
}
bool failingClose(void* file) {
    kReal.close(file);
    return !failsNow();
}
bool failingReplace(const wchar_t* from, const wchar_t* to) {
    return !failsNow() && kReal.replace(from, to);
}
#endif

} // namespace

preferences::DurableWriter WriterFailingAt(FailingCall call, int code) {
    g_failing = true;
    g_failureCode = code;
    auto calls = kReal;
    switch (call) {
    case FailingCall::Open:
#ifdef Q_OS_WIN // opening is not among the calls a Windows writer takes in
        qFatal("opening cannot be made to fail on Windows");
#else
        calls.open = failingOpen;
#endif
        break;
    case FailingCall::Write:
        calls.write = failingWrite;
        break;
    case FailingCall::ShortWrite:
        calls.write = writeOneByteThenFail;
        break;
    case FailingCall::Sync:
#ifdef Q_OS_WIN
        calls.flush = failingFlush;
#else
        calls.fsync = failingFsync;
#endif
        break;
    case FailingCall::Close:
        calls.close = failingClose;
        break;
    case FailingCall::Rename:
#ifdef Q_OS_WIN
        calls.replace = failingReplace;
#else
        calls.rename = failingRename;
#endif
        break;
    }
    return preferences::DurableWriter(calls);
}

void HealFileCalls() {
    g_failing = false;
}

} // namespace zorimex::test
