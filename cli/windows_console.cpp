#include "windows_console.h"

#include "console_text.h"

#include <algorithm>
#include <iostream>

#include <windows.h>

#include <shellapi.h>

namespace zorimex::cli {
namespace {

void Redirect(std::ostream& stream, DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr || !GetConsoleMode(handle, &mode))
        return; // a pipe or a file: the bytes go out as they are
    // Never freed: the streams flush into it at exit, after every static object is gone.
    auto* buffer = new WideTextBuffer([handle](std::u16string_view text) {
        while (!text.empty()) {
            DWORD written = 0;
            const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 8192));
            if (!WriteConsoleW(handle, text.data(), chunk, &written, nullptr) || written == 0)
                return false;
            text.remove_prefix(written);
        }
        return true;
    });
    stream.rdbuf(buffer);
}

} // namespace

void UseWideConsoleWrites() {
    Redirect(std::cout, STD_OUTPUT_HANDLE);
    Redirect(std::cerr, STD_ERROR_HANDLE);
    std::cerr.setf(std::ios::unitbuf);
}

std::vector<std::string> Utf8Arguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr)
        return arguments;
    for (int i = 0; i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
        if (size > 1)
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, utf8.data(), size, nullptr, nullptr);
        arguments.push_back(std::move(utf8));
    }
    LocalFree(wide);
    return arguments;
}

} // namespace zorimex::cli
