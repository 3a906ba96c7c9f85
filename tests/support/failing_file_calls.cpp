#include "failing_file_calls.h"

#include "zorimex/preferences/durable_write_test_hooks.h"

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
bool FailsNow() {
    if (g_failing) {
#ifdef Q_OS_WIN
        SetLastError(static_cast<DWORD>(g_failureCode));
#else
        errno = g_failureCode;
#endif
    }
    return g_failing;
}

// A nearly full disk: writes go through one byte at a time, and the third finds the disk full.
// A replacement writes three bytes, so the writer must go on after each short write and still
// meet the failure before its last byte.
int g_shortWrites = 0;
bool ShortWriteFailsNow() {
    if (++g_shortWrites < 3)
        return false;
    g_shortWrites = 0;
    return FailsNow();
}

#ifndef Q_OS_WIN
const preferences::FileCalls kReal = preferences::FileCalls::system();

int FailingOpen(const char* path, int flags, mode_t mode) {
    return FailsNow() ? -1 : kReal.open(path, flags, mode);
}
ssize_t FailingWrite(int fd, const void* buffer, size_t count) {
    return FailsNow() ? -1 : kReal.write(fd, buffer, count);
}
ssize_t WriteByteByByteThenFail(int fd, const void* buffer, size_t count) {
    if (ShortWriteFailsNow())
        return -1;
    return kReal.write(fd, buffer, g_failing && count > 0 ? 1 : count);
}
// A device that takes no byte and reports no error.
ssize_t WriteNothing(int fd, const void* buffer, size_t count) {
    return g_failing ? 0 : kReal.write(fd, buffer, count);
}
int FailingFsync(int fd) {
    return FailsNow() ? -1 : kReal.fsync(fd);
}
int FailingClose(int fd) {
    kReal.close(fd);
    return FailsNow() ? -1 : 0;
}
int FailingRename(const char* from, const char* to) {
    return FailsNow() ? -1 : kReal.rename(from, to);
}
#else
const preferences::FileCalls kReal = preferences::FileCalls::system();

bool FailingWrite(void* file, const void* buffer, unsigned long count, unsigned long* written) {
    return !FailsNow() && kReal.write(file, buffer, count, written);
}
bool WriteByteByByteThenFail(void* file, const void* buffer, unsigned long count,
                             unsigned long* written) {
    return !ShortWriteFailsNow() &&
           kReal.write(file, buffer, g_failing && count > 0 ? 1 : count, written);
}
bool WriteNothing(void* file, const void* buffer, unsigned long count, unsigned long* written) {
    *written = 0;
    return g_failing || kReal.write(file, buffer, count, written);
}
bool FailingFlush(void* file) {
    return !FailsNow() && kReal.flush(file);
}
bool FailingClose(void* file) {
    kReal.close(file);
    return !FailsNow();
}
bool FailingReplace(const wchar_t* from, const wchar_t* to) {
    return !FailsNow() && kReal.replace(from, to);
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
        calls.open = FailingOpen;
#endif
        break;
    case FailingCall::Write:
        calls.write = FailingWrite;
        break;
    case FailingCall::ShortWrite:
        calls.write = WriteByteByByteThenFail;
        break;
    case FailingCall::WriteNothing:
        calls.write = WriteNothing;
        break;
    case FailingCall::Sync:
#ifdef Q_OS_WIN
        calls.flush = FailingFlush;
#else
        calls.fsync = FailingFsync;
#endif
        break;
    case FailingCall::Close:
        calls.close = FailingClose;
        break;
    case FailingCall::Rename:
#ifdef Q_OS_WIN
        calls.replace = FailingReplace;
#else
        calls.rename = FailingRename;
#endif
        break;
    }
    return preferences::DurableWriter(calls);
}

void HealFileCalls() {
    g_failing = false;
}

} // namespace zorimex::test
