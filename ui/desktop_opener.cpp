#include "desktop_opener.h"

#include <QProcess>
#include <QSet>
#include <QStandardPaths>

namespace zorimex::ui {
namespace {

// Openers still running. A process object would kill its opener when destroyed, and an opener
// may still be handing its page on when the program ends: the page must still open, so these are
// never destroyed while running, only forgotten when the program exits.
QSet<QProcess*>& RunningOpeners() {
    static auto* const running = new QSet<QProcess*>;
    return *running;
}

void Finish(QProcess* opener, bool succeeded, const std::function<void()>& failed) {
    if (!RunningOpeners().remove(opener))
        return; // already answered: one report per click at most
    // A copy: `failed` belongs to the connection that goes here.
    const std::function<void()> report = failed;
    opener->disconnect();
    opener->deleteLater();
    if (!succeeded)
        report();
}

} // namespace

bool OpenWithDesktopOpener(const QUrl& url, const std::function<void()>& failed) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (program.isEmpty())
        return false;
    auto* opener = new QProcess;
    opener->setProgram(program);
    opener->setArguments({url.toString(QUrl::FullyEncoded)});
    // No pipes to this process: a browser the opener starts outlives the program, and its output
    // goes where the program's goes.
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    RunningOpeners().insert(opener);
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, failed](int exitCode, QProcess::ExitStatus status) {
                         Finish(opener, status == QProcess::NormalExit && exitCode == 0, failed);
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, failed](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             Finish(opener, false, failed);
                     });
    opener->start();
    return true;
}

} // namespace zorimex::ui
