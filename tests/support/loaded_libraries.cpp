#include "loaded_libraries.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
// psapi.h after windows.h
#include <psapi.h>
#include <vector>
#endif

namespace zorimex::test {

std::optional<QByteArray> LoadedLibraries(long long pid) {
#ifdef Q_OS_WIN
    if (pid != 0)
        return std::nullopt;
    HANDLE self = GetCurrentProcess();
    DWORD needed = 0;
    if (!EnumProcessModules(self, nullptr, 0, &needed))
        return std::nullopt;
    std::vector<HMODULE> modules(needed / sizeof(HMODULE));
    if (!EnumProcessModules(self, modules.data(), needed, &needed))
        return std::nullopt;
    QByteArray names;
    for (HMODULE module : modules) {
        char name[MAX_PATH] = {};
        if (GetModuleFileNameA(module, name, MAX_PATH) > 0)
            names += QByteArray(name) + '\n';
    }
    return names;
#else
    QFile maps(pid == 0 ? QStringLiteral("/proc/self/maps")
                        : QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return std::nullopt;
    return maps.readAll();
#endif
}

bool HasWebEngine(const QByteArray& libraries) {
    return libraries.contains("Qt6WebEngine") || libraries.contains("zorimex_webview");
}

bool HasGlDriver(const QByteArray& libraries) {
    return libraries.contains("_dri.so") || libraries.contains("libGLX_mesa") ||
           libraries.contains("libglapi");
}

} // namespace zorimex::test
