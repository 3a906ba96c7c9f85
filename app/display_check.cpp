#include "display_check.h"

#include <QtGlobal>

#include <cstring>

namespace zorimex::app {

bool DisplayAvailable(int argc, const char* const* argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    // A chosen platform (offscreen, vnc, eglfs, ...) may need no display; Qt decides then.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

std::string NoDisplayMessage(std::string_view program) {
    return "zorimex: no display to open (neither DISPLAY nor WAYLAND_DISPLAY is set); "
           "to run without a desktop, start it as: xvfb-run " +
           std::string(program.empty() ? "zorimex" : program);
}

} // namespace zorimex::app
