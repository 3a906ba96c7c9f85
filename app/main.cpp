// Zorimex: foreign money to yen, the way a Japanese reader says it.

#include "command_line.h"
#include "display_check.h"
#include "message_translation.h"
#include "startup.h"
#include "window_wiring.h"
#include "zorimex/preferences/drive_root.h"
#include "zorimex/preferences/preference_file.h"
#include "zorimex/ui/application_setup.h"
#include "zorimex/ui/window_registry.h"

#include <QApplication>

namespace {

constexpr int kNoDisplay = 2;

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Zorimex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZORIMEX_VERSION));
    if (const auto exitCode = zorimex::app::HandleCommandLine(argc, argv))
        return *exitCode;
    // Before the QApplication, which would abort with a long message of its own.
    if (!zorimex::app::DisplayAvailable(argc, argv)) {
        const zorimex::app::MessageTranslation translation(argv[0]);
        zorimex::app::PrintLine(stderr,
                                zorimex::app::NoDisplayMessage(QString::fromLocal8Bit(argv[0])));
        return kNoDisplay;
    }
    zorimex::app::PreferX11OnWayland(argc, argv);

    const zorimex::preferences::PreferenceFile preferences(
        zorimex::preferences::DriveRoot::current());
    // No installer puts the file there on this platform, so the first start does it; a failure
    // is reported by the start-up window's load step, once there is an application to show it.
    // Nothing about the browser pane is decided here: its plugin sets up what the web engine
    // needs at the first navigation, so no run pays for it at start.
    const auto installFailure = preferences.ensureInstalled();

    QApplication application(argc, argv);
    zorimex::ui::PrepareApplication();
    zorimex::ui::WindowRegistry windows;
    zorimex::app::ConnectWindows(windows);

    const auto startupFailed = zorimex::app::StartProgram(windows, preferences, installFailure);
    const int exitCode = startupFailed ? *startupFailed : QApplication::exec();
    // Windows loaded but never shown, and those an end command handed over for deletion, are
    // still ours to free.
    windows.destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}
