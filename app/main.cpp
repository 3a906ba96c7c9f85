// Zorimex: foreign money to yen, the way a Japanese reader says it.

#include "application_setup.h"
#include "startup.h"
#include "window_registry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorimex"));
    QApplication::setApplicationVersion(QStringLiteral("6.0"));
    zorimex::ui::PrepareApplication();

    zorimex::app::StartProgram();
    const int exitCode = QApplication::exec();
    // Windows loaded but never shown, and those an end command handed over for deletion, are
    // still ours to free.
    zorimex::ui::WindowRegistry::instance().destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}
