// The program itself, started as a separate process the way a user starts it, on a temporary
// per-user data folder: its exit status, what it leaves in the preference file, that its windows
// carry no title, that a run which cannot show the page never loads the web engine, that a failed
// start shows nothing but the report (on a real X server, where the test presses Enter on the box
// like a user), and that the latest-version page really loads in the pane.

#include "drive_files.h"
#include "loaded_libraries.h"
#include "skipped_checks.h"
#include "zorimex/ui/web_links.h"

#include "zorimex/preferences/preference_file.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <functional>
#include <optional>
#include <utility>

using namespace zorimex;
using namespace zorimex::test;

namespace {

const QString kProgram = QStringLiteral(ZORIMEX_PROGRAM);

/// The names of pid's child processes.
QStringList ChildrenOf(qint64 pid) {
    QStringList names;
    // Of /proc's folders only the processes' hold a stat file ("self" is a link).
    const auto entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoSymLinks);
    for (const QString& entry : entries) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...", where the name may hold blanks and parentheses.
        const QByteArray line = stat.readAll();
        const qsizetype nameStart = line.indexOf('(') + 1, nameEnd = line.lastIndexOf(')');
        if (line.mid(nameEnd + 2).split(' ').value(1).toLongLong() == pid)
            names << QString::fromLatin1(line.mid(nameStart, nameEnd - nameStart));
    }
    return names;
}

void Stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

/// The program as a test runs it, on a per-user data folder of its own; stopped when it goes.
struct ProgramRun {
    QTemporaryDir dataHome;
    /// What a user's session gives the program, with the per-user data folder (Qt's own
    /// variable) pointing at dataHome and nothing of a desktop; tests add to it before start().
    QProcessEnvironment environment = [this] {
        QProcessEnvironment session = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                                 "QTWEBENGINE_CHROMIUM_FLAGS", "QTWEBENGINE_DISABLE_SANDBOX"})
            session.remove(QString::fromLatin1(name));
        session.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
        return session;
    }();
    QProcess process;
    qint64 pid = 0;

    ~ProgramRun() { Stop(process); }

    /// Lets the web engine run as root (CI) by turning its sandbox off, with further flags.
    void allowWebEngine(const QString& flags) {
        environment.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        environment.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"),
                           QStringLiteral("--no-sandbox --disable-dev-shm-usage ") + flags);
    }

    /// Lays out the drive as prepared and content say, then starts the program.
    bool start(DriveHolds prepared, const QByteArray& content, const QStringList& arguments = {}) {
        if (!PrepareDrive(driveRoot(), prepared, content))
            return false;
        process.setProcessEnvironment(environment);
        process.start(kProgram, arguments);
        pid = process.waitForStarted(10000) ? process.processId() : 0;
        return pid != 0;
    }

    /// The drive root the program finds below its per-user data folder.
    QString driveRoot() const { return dataHome.filePath(QStringLiteral("Zorimex")); }
    QByteArray preferenceBytes() const {
        return FileBytes(preferences::PreferenceFile(preferences::DriveRoot(driveRoot())).path());
    }

    /// The running program has loaded neither the web engine nor a GL driver, started no other
    /// process, and left its preference file holding preferences.
    void verifyRunsWithoutTheEngine(const QByteArray& preferences) {
        QVERIFY2(process.state() == QProcess::Running, process.readAllStandardError().constData());
        const auto libraries = LoadedLibraries(pid);
        QVERIFY(libraries);
        QVERIFY(!HasWebEngine(*libraries));
        QVERIFY(!HasGlDriver(*libraries));
        QCOMPARE(ChildrenOf(pid), QStringList());
        QCOMPARE(preferenceBytes(), preferences);
    }
};

/// An X server of the test's own, on a display number it picks itself.
class XServer {
public:
    XServer() {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            return;
        server_.start(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                       // X resets when its last client leaves, refusing connections meanwhile:
                       // each row's program and xdotool connect one after another.
                       QStringLiteral("-noreset")});
        if (!server_.waitForStarted(5000))
            return;
        QByteArray number;
        while (!number.contains('\n') && server_.waitForReadyRead(10000))
            number += server_.readAllStandardOutput();
        if (number.trimmed().isEmpty())
            return;
        display_ = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    }
    ~XServer() { Stop(server_); }
    QString display() const { return display_; }

    /// Runs xdotool on this display; its output, or nothing when it failed.
    std::optional<QString> xdotool(const QStringList& arguments) const {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display_);
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral("xdotool"), arguments);
        if (!tool.waitForFinished(10000))
            return std::nullopt;
        const QString out = QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
        return tool.exitCode() == 0 ? std::optional<QString>(out) : std::nullopt;
    }

    /// The ids of the visible windows that process pid owns.
    QStringList visibleWindows(qint64 pid) const {
        return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                        QStringLiteral("--pid"), QString::number(pid)})
            .value_or(QString())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    /// The titles of the visible windows that process pid owns.
    QStringList visibleWindowTitles(qint64 pid) const {
        QStringList titles;
        for (const QString& id : visibleWindows(pid))
            titles << xdotool({QStringLiteral("getwindowname"), id}).value_or(QStringLiteral("?"));
        return titles;
    }

    /// The visible window of process pid that is width pixels wide, if there is one.
    std::optional<QString> visibleWindowOfWidth(qint64 pid, int width) const {
        for (const QString& id : visibleWindows(pid)) {
            const auto geometry =
                xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
            if (geometry &&
                geometry->split(QLatin1Char('\n')).contains(QStringLiteral("WIDTH=%1").arg(width)))
                return id;
        }
        return std::nullopt;
    }

    /// Brings window id forward and presses Enter in it, as a user would.
    bool pressEnter(const QString& id) const {
        return xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), id,
                        QStringLiteral("key"), QStringLiteral("Return")})
            .has_value();
    }

    /// Polls until done() holds or ms passed; whether it held. Time-bounded: every look starts
    /// several xdotool processes, which a loaded machine makes slow, so a count of looks (as the
    /// QTRY_ macros use) would not bound it.
    static bool waitUntil(const std::function<bool()>& done, int ms) {
        QDeadlineTimer deadline(ms);
        while (!done()) {
            if (deadline.hasExpired())
                return false;
            QTest::qWait(100);
        }
        return true;
    }

private:
    QProcess server_;
    QString display_;
};

/// Why a test cannot run the program on a desktop of its own, or nullptr when it can.
const char* DesktopMissing(const XServer& x) {
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        return "xdotool is not installed";
    if (x.display().isEmpty())
        return "no Xvfb to run the program on";
    return nullptr;
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    // What the program says without a display, and to arguments: it takes none but --help and
    // --version, which need no display. Each row runs in English and in Japanese (by LANG, which
    // needs no generated locale): the same exit status, the text in the user's language.
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("onStandardError");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("japanese");
        const QString version = QStringLiteral("zorimex " ZORIMEX_VERSION "\n");
        QTest::newRow("no display") << QStringList{} << 2 << true
                                    << QStringLiteral("start it as: xvfb-run ") + kProgram + u'\n'
                                    << QStringLiteral("起動します: xvfb-run ") + kProgram + u'\n';
        QTest::newRow("--version")
            << QStringList{QStringLiteral("--version")} << 0 << false << version << version;
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0 << false
                                << QStringLiteral("Usage: ") + kProgram
                                << QStringLiteral("使い方: ") + kProgram;
        QTest::newRow("Qt's own option passes")
            << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-v")}
            << 0 << false << version << version;
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("--frobnicate")} << 2 << true
            << QStringLiteral("zorimex: Unknown option 'frobnicate' (see: ")
            << QStringLiteral("zorimex: 'frobnicate' は未知のオプションです（");
        QTest::newRow("an argument")
            << QStringList{QStringLiteral("1234")} << 2 << true
            << QStringLiteral("unexpected argument '1234'") << QStringLiteral("余分な引数 '1234'");
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(bool, onStandardError);
        QFETCH(QString, english);
        QFETCH(QString, japanese);
        for (const auto& [locale, expected] :
             {std::pair{QStringLiteral("C.UTF-8"), english},
              std::pair{QStringLiteral("ja_JP.UTF-8"), japanese}}) {
            ProgramRun run;
            for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
                run.environment.remove(QString::fromLatin1(name));
            run.environment.insert(QStringLiteral("LANG"), locale);
            QVERIFY(run.start(DriveHolds::Nothing, {}, arguments));
            QProcess& program = run.process;
            QVERIFY(program.waitForFinished(10000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), exitCode);
            const QString out = QString::fromUtf8(program.readAllStandardOutput());
            const QString err = QString::fromUtf8(program.readAllStandardError());
            QVERIFY2((onStandardError ? err : out).contains(expected),
                     qPrintable(locale + u' ' + out + err));
            if (onStandardError)
                QCOMPARE(err.count(u'\n'), 1);
            QVERIFY2((onStandardError ? out : err).isEmpty(), qPrintable(out + err));
            // It stopped before anything else, the first-run installation included.
            QVERIFY(!QFileInfo::exists(run.driveRoot()));
        }
    }

    // On a real X server, where an OpenGL context would load the GL driver: the windows a user
    // sees after start-up, untitled; the failure reports, which are the only window of a failed
    // start and end it with a non-zero status once closed; and that a run which does not navigate
    // the pane pays for neither the web engine nor OpenGL, also when the consent question is
    // answered no (Enter, as the dialog has the keyboard focus at start).
    void onTheDesktop_data() {
        QTest::addColumn<DriveHolds>("prepared");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("visibleWindows");
        QTest::addColumn<bool>("answerNo");
        QTest::addColumn<QByteArray>("afterStart"); // none: the page is shown, the engine loaded
        QTest::addColumn<int>("reportNumber");      // 0: no report, the program runs
        QTest::addColumn<QString>("reportPath");    // relative to the data folder
        const auto withFile = DriveHolds::FileWithContent;
        QTest::newRow("first start: the dialog and the start-up window, no engine")
            << DriveHolds::Nothing << QByteArray() << 2 << false << QByteArray("U\r\n") << 0
            << QString();
        QTest::newRow("U answered with いいえ: no engine")
            << withFile << QByteArray("U\r\n") << 2 << true << QByteArray("N\r\n") << 0
            << QString();
        QTest::newRow("Y: the start-up window; the main window stays hidden")
            << withFile << QByteArray("Y\r\n") << 1 << false << QByteArray() << 0 << QString();
        QTest::newRow("N: the start-up window, no engine")
            << withFile << QByteArray("N\r\n") << 1 << false << QByteArray("N\r\n") << 0
            << QString();
        QTest::newRow("Y with a blank: no engine") << withFile << QByteArray("Y \r\n") << 1 << false
                                                   << QByteArray("Y \r\n") << 0 << QString();
        QTest::newRow("file missing: 53")
            << DriveHolds::FolderWithoutFile << QByteArray() << 1 << false << QByteArray() << 53
            << QStringLiteral("Zorimex/Program Files/Zorimex 2002/or.txt");
        QTest::newRow("no folder can be made: 75")
            << DriveHolds::RootIsAFile << QByteArray() << 1 << false << QByteArray() << 75
            << QStringLiteral("Zorimex/Program Files/Zorimex 2002");
    }
    void onTheDesktop() {
        QFETCH(DriveHolds, prepared);
        QFETCH(QByteArray, content);
        QFETCH(int, visibleWindows);
        QFETCH(bool, answerNo);
        QFETCH(QByteArray, afterStart);
        QFETCH(int, reportNumber);
        QFETCH(QString, reportPath);
        const XServer x;
        if (const char* missing = DesktopMissing(x))
            ZORIMEX_SKIP(QString::fromLatin1(missing));
        ProgramRun run;
        run.environment.insert(QStringLiteral("DISPLAY"), x.display());
        run.allowWebEngine(
            QStringLiteral("--disable-gpu --host-resolver-rules=\"MAP * ~NOTFOUND\""));
        QVERIFY(run.start(prepared, content));
        QProcess& program = run.process;
        const qint64 pid = run.pid;

        XServer::waitUntil(
            [&] {
                return x.visibleWindowTitles(pid).size() >= visibleWindows ||
                       program.state() != QProcess::Running;
            },
            30000);
        QByteArray errors = program.readAllStandardError();
        QVERIFY2(program.state() == QProcess::Running, errors.constData());
        QTest::qWait(500); // nothing else comes up
        // A failed start shows its report and nothing else; a good one shows no report, and its
        // windows carry no title (neither _NET_WM_NAME nor WM_NAME, which xdotool falls back on).
        QCOMPARE(x.visibleWindowTitles(pid), reportNumber == 0
                                                 ? QStringList(visibleWindows, QString())
                                                 : QStringList{QStringLiteral("ZRMX Ver.6")});
        if (reportNumber != 0) {
            QVERIFY(x.pressEnter(x.visibleWindows(pid).value(0)));
            QVERIFY(program.waitForFinished(10000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 1);
            const QString err = QString::fromLocal8Bit(errors + program.readAllStandardError());
            const QString expected = QStringLiteral("zorimex: エラー %1: ").arg(reportNumber);
            QVERIFY2(err.contains(expected), qPrintable(err));
            QVERIFY2(err.contains(QDir::cleanPath(run.dataHome.filePath(reportPath))),
                     qPrintable(err));
            return;
        }
        if (answerNo) {
            // The consent dialog, 312 pixels wide, holds the keyboard focus on いいえ.
            constexpr int kDialogWidth = 312;
            const auto dialog = x.visibleWindowOfWidth(pid, kDialogWidth);
            QVERIFY(dialog);
            QVERIFY(x.pressEnter(*dialog));
            QTRY_COMPARE_WITH_TIMEOUT(run.preferenceBytes(), afterStart, 10000);
            QVERIFY(
                XServer::waitUntil([&] { return x.visibleWindowTitles(pid).size() == 1; }, 10000));
        }
        QTest::qWait(1500); // a pane would have started by now
        QCOMPARE(program.state(), QProcess::Running);
        QCOMPARE((errors += program.readAllStandardError()).contains("zorimex: "), false);
        if (!afterStart.isEmpty())
            run.verifyRunsWithoutTheEngine(afterStart);
    }

    // A display on which no OpenGL context can be made cannot show a browser view (its window
    // could not be composited): a "Y" run then shows the page's address in the pane and goes on.
    void displayWithoutOpenGlShowsTheMainWindowWithoutTheEngine() {
#ifndef ZORIMEX_WEBVIEW_BUILT
        ZORIMEX_SKIP(QStringLiteral("the web view plugin is not built"));
#else
        const XServer x;
        if (const char* missing = DesktopMissing(x))
            ZORIMEX_SKIP(QString::fromLatin1(missing));
        ProgramRun run;
        run.environment.insert(QStringLiteral("DISPLAY"), x.display());
        // Qt's own switch: neither GLX nor EGL, as on an X server without OpenGL.
        run.environment.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
        run.allowWebEngine(QStringLiteral("--host-resolver-rules=\"MAP * ~NOTFOUND\""));
        QVERIFY(run.start(DriveHolds::FileWithContent, "Y\r\n"));
        const qint64 pid = run.pid;

        QVERIFY(XServer::waitUntil([&] { return x.visibleWindows(pid).size() == 1; }, 30000));
        // OK, the start-up window's focused button: the main window with its pane comes up.
        QVERIFY(x.pressEnter(x.visibleWindows(pid).value(0)));
        constexpr int kMainWindowWidth = 483;
        QVERIFY(XServer::waitUntil(
            [&] {
                return x.visibleWindowTitles(pid).size() == 1 &&
                       x.visibleWindowOfWidth(pid, kMainWindowWidth);
            },
            10000));
        QTest::qWait(2000); // drawn and flushed more than once
        run.verifyRunsWithoutTheEngine("Y\r\n");
#endif
    }

    // The whole way from "Y" in the file to a page shown in the pane: the program's own pane,
    // plugin and web engine, the engine pointed at a local HTTPS server by Chromium's host
    // resolver rules (set here, for the test; the program sets no such thing).
    void latestVersionPageLoadsInThePane() {
#ifndef ZORIMEX_WEBVIEW_BUILT
        ZORIMEX_SKIP(QStringLiteral("the web view plugin is not built"));
#else
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
        if (python.isEmpty() || openssl.isEmpty())
            ZORIMEX_SKIP(
                QStringLiteral("python3 and openssl are needed for the local page server"));
        QTemporaryDir work;
        const QString cert = work.filePath(QStringLiteral("cert.pem"));
        const QString key = work.filePath(QStringLiteral("key.pem"));
        QProcess keygen;
        keygen.start(openssl, {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                               "-subj", "/CN=home.zrmx.example", "-keyout", key, "-out", cert});
        QVERIFY(keygen.waitForFinished(60000));
        QCOMPARE(keygen.exitCode(), 0);
        QProcess server;
        server.start(python, {QStringLiteral(ZORIMEX_PAGE_SERVER), cert, key});
        QVERIFY(server.waitForStarted(10000));
        QByteArray served;
        QTRY_VERIFY_WITH_TIMEOUT((served += server.readAllStandardOutput()).contains('\n'), 10000);
        const int port = served.left(served.indexOf('\n')).trimmed().toInt();
        QVERIFY(port > 0);

        ProgramRun run;
        run.environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        run.allowWebEngine(QStringLiteral("--disable-gpu --ignore-certificate-errors "
                                          "--host-resolver-rules=\"MAP * 127.0.0.1:%1\"")
                               .arg(port));
        QVERIFY(run.start(DriveHolds::FileWithContent, "Y\r\n"));
        const auto stopServer = qScopeGuard([&] { Stop(server); });

        const QUrl latest(QString::fromLatin1(zorimex::ui::kLatestVersionPage));
        const QByteArray pageRequest =
            "GET " + latest.host().toLatin1() + ' ' + latest.path().toLatin1();
        const QByteArray pageLoaded = "GET " + latest.host().toLatin1() + " /loaded";
        QTRY_VERIFY_WITH_TIMEOUT((served += server.readAllStandardOutput()).contains(pageLoaded),
                                 90000);
        QVERIFY2(served.contains(pageRequest + '\n'), served.constData());
        QVERIFY(HasWebEngine(LoadedLibraries(run.pid).value_or(QByteArray())));
        QVERIFY(ChildrenOf(run.pid).contains(QStringLiteral("QtWebEngineProc")));
        QCOMPARE(run.process.state(), QProcess::Running);
        QCOMPARE(run.preferenceBytes(), QByteArray("Y\r\n"));
#endif
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "tst_program.moc"
