#include "display_check.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QtGlobal>

#include <cstring>

namespace zorimex::app {
namespace {

bool PlatformChosen(int argc, const char* const* argv) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

} // namespace

bool DisplayAvailable(int argc, const char* const* argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    // A chosen platform (offscreen, vnc, eglfs, ...) may need no display; Qt decides then.
    return PlatformChosen(argc, argv);
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

void PreferX11OnWayland(int argc, const char* const* argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY") ||
        PlatformChosen(argc, argv))
        return;
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb;wayland"));
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#endif
}

QString NoDisplayMessage(const QString& program) {
    return QCoreApplication::translate(
               "DisplayCheck",
               "zorimex: no display to open (neither DISPLAY nor WAYLAND_DISPLAY is set); to run "
               "without a desktop, start it as: xvfb-run %1")
        .arg(program.isEmpty() ? QStringLiteral("zorimex") : program);
}

} // namespace zorimex::app
