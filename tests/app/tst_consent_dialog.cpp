// The consent dialog's answers as the user gives them: what the preference file holds afterwards,
// byte for byte, which windows remain and what the browser pane was told, before and after the
// start-up window's "OK"; the keyboard; and answers whose write fails.

#include "failing_file_calls.h"
#include "startup_test_support.h"
#include "zorimex/ui/form2.h"
#include "zorimex/ui/web_links.h"

#include "zorimex/preferences/durable_write.h"
#include "zorimex/webpane/web_pane.h"

#include <QSignalSpy>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#endif

using namespace zorimex;
using namespace zorimex::app::test;

namespace {

/// A key pressed at the dialog, which is in front from the start with the focus on いいえ.
void PressInDialog(Qt::Key key) {
    QWidget* dialog = Loaded<ui::Form7>();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    QTest::keyClick(QApplication::focusWidget(), key);
}

enum class Breakage { FolderAtFilePath, FolderRemoved, DeviceFailsAfterOpen };

} // namespace

Q_DECLARE_METATYPE(Breakage)

class ConsentDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplicationOnce(); }
    void cleanup() { DestroyAllWindows(); }

    void answers_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("answer"); // はい, いいえ, or Enter
        QTest::addColumn<bool>("afterOk");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("windowsAfterAnswer");
        QTest::addColumn<bool>("paneTold");

        QTest::newRow("はい before OK: main window loaded hidden, pane told")
            << QByteArray("U\r\n") << "はい" << false << QByteArray("Y\r\n") << "Form1 Form2*"
            << true;
        QTest::newRow("はい after OK: the visible main window's pane told")
            << QByteArray("U\r\n") << "はい" << true << QByteArray("Y\r\n") << "Form2" << true;
        QTest::newRow("いいえ before OK")
            << QByteArray("U\r\n") << "いいえ" << false << QByteArray("N\r\n") << "Form1" << false;
        QTest::newRow("いいえ after OK")
            << QByteArray("U\r\n") << "いいえ" << true << QByteArray("N\r\n") << "Form2" << false;
        QTest::newRow("Enter at once answers いいえ")
            << QByteArray("U\r\n") << "Enter" << false << QByteArray("N\r\n") << "Form1" << false;
    }
    void answers() {
        QFETCH(QByteArray, before);
        QFETCH(QString, answer);
        QFETCH(bool, afterOk);
        QFETCH(QByteArray, after);
        QFETCH(QString, windowsAfterAnswer);
        QFETCH(bool, paneTold);
        TemporaryDrive drive;
        MessageBoxWatcher watcher;
        QVERIFY(StartWith(drive, before));
        QVERIFY(QTest::qWaitForWindowExposed(Windows().loaded(ui::Form1::kNumber)));
        // The user answers once the start-up window is on the screen, painted.
        QTest::qWait(100);
        if (afterOk) {
            ClickOk();
            QCOMPARE(WindowState(), QStringLiteral("Form2 Form7"));
        }

        if (answer == QStringLiteral("はい"))
            Click<ui::Form7>(QStringLiteral("Command2"));
        else if (answer == QStringLiteral("いいえ"))
            Click<ui::Form7>(QStringLiteral("Command1"));
        else
            PressInDialog(Qt::Key_Return);

        QCOMPARE(drive.fileBytes(), after);
        QCOMPARE(WindowState(), windowsAfterAnswer);
        QCOMPARE(PaneUrl(), paneTold ? kLatest : QUrl());
        QVERIFY(watcher.boxes().isEmpty());
        // The page starts loading once the program is on screen, or at once in a visible window,
        // whether the main window is shown yet or still hidden.
        if (paneTold)
            QTRY_VERIFY(LoadedPane()->content() != nullptr);
        if (!afterOk) {
            ClickOk();
            QCOMPARE(WindowState(), QStringLiteral("Form2"));
            QCOMPARE(PaneUrl(), paneTold ? kLatest : QUrl());
            QCOMPARE(LoadedPane()->content() != nullptr, paneTold);
        }
    }

    void keysThatDoNotAnswer_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Tab moves to はい, answers nothing") << int(Qt::Key_Tab);
    }
    void keysThatDoNotAnswer() {
        QFETCH(int, key);
        TemporaryDrive drive;
        QVERIFY(StartWith(drive, "U\r\n"));
        PressInDialog(static_cast<Qt::Key>(key));
        QCOMPARE(WindowState(), QStringLiteral("Form1 Form7"));
        QCOMPARE(drive.fileBytes(), QByteArray("U\r\n"));
    }

    void frameCloseWritesNothing() {
        TemporaryDrive drive;
        QVERIFY(StartWith(drive, "U\r\n"));
        Windows().loaded(ui::Form7::kNumber)->close();
        QCOMPARE(WindowState(), QStringLiteral("Form1"));
        QCOMPARE(drive.fileBytes(), QByteArray("U\r\n"));
    }

    // はい from a dialog that outlived both other windows loads a main window that nobody sees:
    // the program must not go on running for it.
    void hiddenMainWindowLeftByYesDoesNotKeepTheProgram() {
        TemporaryDrive drive;
        QVERIFY(StartWith(drive, "U\r\n"));
        ClickOk();
        QCOMPARE(RunEventLoop(
                     [] {
                         Loaded<ui::Form2>()->close(); // the main window, through its frame
                         Click<ui::Form7>(QStringLiteral("Command2"));
                     },
                     5000),
                 0);
        QCOMPARE(drive.fileBytes(), QByteArray("Y\r\n"));
        QCOMPARE(WindowState(), QStringLiteral("Form2*"));
    }

    void failedAnswerIsReportedAndTheDialogStays_data() {
        QTest::addColumn<Breakage>("breakage");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("left"); // the file's bytes after the failure
        QTest::newRow("いいえ, a folder where the file belongs: 75")
            << Breakage::FolderAtFilePath << "いいえ" << 75 << QByteArray("<unreadable>");
        QTest::newRow("はい, folder removed meanwhile: 76")
            << Breakage::FolderRemoved << "はい" << 76 << QByteArray("<unreadable>");
        QTest::newRow("はい, the device fails after the open: 57, U stays whole")
            << Breakage::DeviceFailsAfterOpen << "はい" << 57 << QByteArray("U\r\n");
    }
    void failedAnswerIsReportedAndTheDialogStays() {
        QFETCH(Breakage, breakage);
        QFETCH(QString, answer);
        QFETCH(int, number);
        QFETCH(QByteArray, left);
        TemporaryDrive drive;
        QVERIFY(drive.writeFile("U\r\n"));
#ifdef Q_OS_WIN
        const int deviceError = ERROR_IO_DEVICE;
#else
        const int deviceError = EIO;
#endif
        const preferences::PreferenceFile preferences =
            breakage == Breakage::DeviceFailsAfterOpen
                ? preferences::PreferenceFile(drive.driveRoot(),
                                              WriterFailingAt(FailingCall::Write, deviceError))
                : drive.preferences();
        QVERIFY(!StartLikeMain(preferences));
        if (breakage == Breakage::FolderAtFilePath) {
            QVERIFY(QFile::remove(drive.filePath()));
            QVERIFY(QDir().mkpath(drive.filePath()));
        } else if (breakage == Breakage::FolderRemoved) {
            QVERIFY(QDir(drive.folderPath()).removeRecursively());
        }
        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
        MessageBoxWatcher watcher;
        const bool yes = answer == QStringLiteral("はい");

        Click<ui::Form7>(QLatin1String(yes ? "Command2" : "Command1"));

        QTRY_COMPARE(watcher.boxes().size(), 1);
        VerifyReport(watcher.boxes().first(), number, QDir::toNativeSeparators(preferences.path()));
        // The handler stopped at the write: the dialog is still there and nothing navigated.
        QCOMPARE(WindowState(), QStringLiteral("Form1 Form7"));
        QCOMPARE(drive.fileBytes(), left);
        QCOMPARE(PaneUrl(), QUrl());
        QCOMPARE(quitting.count(), 0);
        // The program goes on: once the cause is gone the same dialog records the answer.
        HealFileCalls();
        if (breakage == Breakage::FolderAtFilePath)
            QVERIFY(QDir(drive.filePath()).removeRecursively());
        QVERIFY(drive.makeFolder());
        Click<ui::Form7>(QLatin1String(yes ? "Command2" : "Command1"));
        QCOMPARE(drive.fileBytes(), yes ? QByteArray("Y\r\n") : QByteArray("N\r\n"));
        QCOMPARE(WindowState(), yes ? QStringLiteral("Form1 Form2*") : QStringLiteral("Form1"));
        QCOMPARE(PaneUrl(), yes ? kLatest : QUrl());
        QCOMPARE(watcher.boxes().size(), 1);
    }
};

QTEST_MAIN(ConsentDialogTest)
#include "tst_consent_dialog.moc"
