#include "failing_file_calls.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zorimex::test {

namespace {

bool g_failing = false;
int g_failureCode = 0;

#ifndef Q_OS_WIN
const PosixFileCalls kReal = PosixFileCalls::system();

int failingOpen(const char* path, int flags, mode_t mode) {
    if (!g_failing)
        return kReal.open(path, flags, mode);
    errno = g_failureCode;
    return -1;
}
ssize_t failingWrite(int fd, const void* buffer, size_t count) {
    if (!g_failing)
        return kReal.write(fd, buffer, count);
    errno = g_failureCode;
    return -1;
}
// The first byte of each write goes through, then the disk fails.
ssize_t writeOneByteThenFail(int fd, const void* buffer, size_t count) {
    static bool wroteOne = false;
    wroteOne = !wroteOne;
    if (!g_failing || wroteOne)
        return kReal.write(fd, buffer, g_failing && count > 0 ? 1 : count);
    errno = g_failureCode;
    return -1;
}
int failingFsync(int fd) {
    if (!g_failing)
        return kReal.fsync(fd);
    errno = g_failureCode;
    return -1;
}
int failingClose(int fd) {
    kReal.close(fd);
    if (!g_failing)
        return 0;
    errno = g_failureCode;
    return -1;
}
int failingRename(const char* from, const char* to) {
    if (!g_failing)
        return kReal.rename(from, to);
    errno = g_failureCode;
    return -1;
}
#else
const WindowsFileCalls kReal = WindowsFileCalls::system();

bool fail() {
    SetLastError(static_cast<DWORD>(g_failureCode));
    return false;
}
bool failingWrite(void* file, const void* buffer, unsigned long count, unsigned long* written) {
    return g_failing ? fail() : kReal.write(file, buffer, count, written);
}
bool writeOneByteThenFail(void* file, const void* buffer, unsigned long count,
                          unsigned long* written) {
    static bool wroteOne = false;
    wroteOne = !wroteOne;
    if (!g_failing || wroteOne)
        return kReal.write(file, buffer, g_failing && count > 0 ? 1 : count, written);
    return fail();
}
bool failingFlush(void* file) {
    return g_failing ? fail() : kReal.flush(file);
}
bool failingClose(void* file) {
    kReal.close(file);
    return g_failing ? fail() : true;
}
bool failingReplace(const wchar_t* from, const wchar_t* to) {
    return g_failing ? fail() : kReal.replace(from, to);
}
#endif

} // namespace

DurableWriter WriterFailingAt(FailingCall call, int code) {
    g_failing = true;
    g_failureCode = code;
#ifdef Q_OS_WIN
    WindowsFileCalls calls = kReal;
    switch (call) {
    case FailingCall::Open: // opening is not among the calls a Windows writer takes in
        qFatal("opening cannot be made to fail on Windows");
    case FailingCall::Write:
        calls.write = failingWrite;
        break;
    case FailingCall::ShortWrite:
        calls.write = writeOneByteThenFail;
        break;
    case FailingCall::Sync:
        calls.flush = failingFlush;
        break;
    case FailingCall::Close:
        calls.close = failingClose;
        break;
    case FailingCall::Rename:
        calls.replace = failingReplace;
        break;
    }
#else
    PosixFileCalls calls = kReal;
    switch (call) {
    case FailingCall::Open:
        calls.open = failingOpen;
        break;
    case FailingCall::Write:
        calls.write = failingWrite;
        break;
    case FailingCall::ShortWrite:
        calls.write = writeOneByteThenFail;
        break;
    case FailingCall::Sync:
        calls.fsync = failingFsync;
        break;
    case FailingCall::Close:
        calls.close = failingClose;
        break;
    case FailingCall::Rename:
        calls.rename = failingRename;
        break;
    }
#endif
    return DurableWriter(calls);
}

void HealFileCalls() {
    g_failing = false;
}

} // namespace zorimex::test
