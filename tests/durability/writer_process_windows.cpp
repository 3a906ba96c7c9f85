// The Windows side of RunWriter: CreateProcessW, and TerminateProcess for the kill, which ends
// the writer as abruptly as SIGKILL does (no handler, no flush, no clean-up).

#include "writer_process.h"

#include <QDir>

#include <string>
#include <thread>

#include <windows.h>

namespace zorimex::test {
namespace {

// The exit code TerminateProcess gives the writer; the writer itself only exits with 0 to 2.
constexpr UINT kKilledExitCode = 0xDEAD;

// Which call failed and why, for a run that could not start the writer.
QByteArray FailureText(const char* call) {
    const DWORD error = GetLastError();
    wchar_t* message = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    const QString text = message ? QString::fromWCharArray(message).trimmed() : QString();
    LocalFree(message);
    return QByteArray(call) + " failed: error " +
           QByteArray::number(static_cast<qulonglong>(error)) + " " + text.toUtf8();
}

std::wstring Quoted(const QString& argument) {
    return L"\"" + QDir::toNativeSeparators(argument).toStdWString() + L"\"";
}

// What the exited writer left in the pipe; not read to the pipe's end, which another process
// holding an inherited write end could put off indefinitely.
QByteArray ReadWaiting(HANDLE pipe) {
    QByteArray bytes;
    char buffer[4096];
    DWORD waiting = 0;
    DWORD got = 0;
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0 &&
           ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, static_cast<qsizetype>(got));
    return bytes;
}

} // namespace

WriterRun RunWriter(const QString& writer, const QString& driveRoot, char answer,
                    std::optional<std::chrono::microseconds> killAfter) {
    WriterRun run;
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE errorRead = nullptr;
    HANDLE errorWrite = nullptr;
    if (!CreatePipe(&errorRead, &errorWrite, &inheritable, 0)) {
        run.errorText = FailureText("CreatePipe");
        return run;
    }
    SetHandleInformation(errorRead, HANDLE_FLAG_INHERIT, 0);

    // A writer to be killed stays after its write until its input ends: under Wine it otherwise
    // exits within milliseconds of the rename, a span that a loaded machine's jitter in starting
    // it can miss in hundreds of kills.
    HANDLE inputRead = nullptr;
    HANDLE inputWrite = nullptr;
    if (killAfter) {
        if (!CreatePipe(&inputRead, &inputWrite, &inheritable, 0)) {
            run.errorText = FailureText("CreatePipe");
            CloseHandle(errorRead);
            CloseHandle(errorWrite);
            return run;
        }
        SetHandleInformation(inputWrite, HANDLE_FLAG_INHERIT, 0);
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inputRead;
    startup.hStdError = errorWrite;
    std::wstring commandLine = Quoted(writer) + L" " + Quoted(driveRoot) + L" " +
                               static_cast<wchar_t>(answer) + (killAfter ? L" --linger" : L"");
    PROCESS_INFORMATION child{};

    // Without a console: Wine gives a console program a console host of its own, which outlives
    // a killed writer and would hold the test's inherited output open.
    const auto start = std::chrono::steady_clock::now();
    const bool created = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                        DETACHED_PROCESS, nullptr, nullptr, &startup, &child);
    if (!created)
        run.errorText = FailureText("CreateProcessW");
    CloseHandle(errorWrite);
    if (inputRead)
        CloseHandle(inputRead);
    if (!created) {
        CloseHandle(errorRead);
        if (inputWrite)
            CloseHandle(inputWrite);
        return run;
    }
    run.started = true;

    if (killAfter) {
        const auto remaining = *killAfter - std::chrono::duration_cast<std::chrono::microseconds>(
                                                std::chrono::steady_clock::now() - start);
        if (remaining.count() > 0)
            std::this_thread::sleep_for(remaining);
        // Fails harmlessly when the writer has already exited.
        TerminateProcess(child.hProcess, kKilledExitCode);
        CloseHandle(inputWrite);
    }
    // stderr is small (one report at most), so the pipe's buffer holds it all and waiting first
    // cannot block the writer on a full pipe.
    WaitForSingleObject(child.hProcess, INFINITE);
    run.errorText = ReadWaiting(errorRead);
    CloseHandle(errorRead);
    run.elapsed = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    DWORD code = 0;
    GetExitCodeProcess(child.hProcess, &code);
    run.killed = code == kKilledExitCode;
    run.exitCode = run.killed ? -1 : static_cast<int>(code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return run;
}

} // namespace zorimex::test
