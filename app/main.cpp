// Zorimex: foreign money to yen, the way a Japanese reader says it.

#include "application_setup.h"
#include "display_check.h"
#include "startup.h"
#include "window_registry.h"

#include <zorimex/preferences/drive_root.h>
#include <zorimex/preferences/preference_file.h>
#include <zorimex/webpane/web_pane_startup.h>

#include <QApplication>

#include <cstdio>

namespace {

constexpr int kNoDisplay = 2;

} // namespace

int main(int argc, char* argv[]) {
    // Before the QApplication, which would abort with a long message of its own.
    if (!zorimex::app::DisplayAvailable(argc, argv)) {
        std::fprintf(stderr, "%s\n", zorimex::app::NoDisplayMessage());
        return kNoDisplay;
    }
    QCoreApplication::setApplicationName(QStringLiteral("Zorimex"));
    QCoreApplication::setApplicationVersion(QStringLiteral("6.0"));

    const zorimex::PreferenceFile preferences(zorimex::DriveRoot::current());
    // No installer puts the file there on this platform, so the first start does it. It comes
    // before the peek: a first run must be able to show the page after a yes.
    const auto installFailure = preferences.ensureInstalled();
    // The web engine can only start later if this is decided before the application exists;
    // runs that can never show the page do not pay for it.
    zorimex::webpane::prepareApplicationForWebPane(preferences.peek());

    QApplication application(argc, argv);
    zorimex::ui::PrepareApplication();

    const auto startupFailed = zorimex::app::StartProgram(preferences, installFailure);
    const int exitCode = startupFailed ? *startupFailed : QApplication::exec();
    // Windows loaded but never shown, and those an end command handed over for deletion, are
    // still ours to free.
    zorimex::ui::WindowRegistry::instance().destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}
