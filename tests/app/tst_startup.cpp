// Starting the program on every kind of preference file: which windows come up, what the browser
// pane is told and when it starts, the failure reports and exit status of a start that cannot
// read the file, and what the start-up window's buttons and frame do afterwards.

#include "startup_test_support.h"
#include "zorimex/ui/form2.h"
#include "zorimex/ui/form7.h"
#include "zorimex/ui/web_links.h"

#include "zorimex/webpane/address_link.h"
#include "zorimex/webpane/web_pane.h"

using namespace zorimex;
using namespace zorimex::app::test;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplicationOnce(); }
    void cleanup() { DestroyAllWindows(); }

    void runStates_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("windowsAfterStart"); // '*' marks a window loaded hidden
        QTest::addColumn<bool>("paneTold");

        QTest::newRow("U CR LF: dialog, then the start-up window")
            << QByteArray("U\r\n") << "Form1 Form7" << false;
        QTest::newRow("Y CR LF: main window hidden, pane told")
            << QByteArray("Y\r\n") << "Form1 Form2*" << true;
        QTest::newRow("N") << QByteArray("N\r\n") << "Form1" << false;
        QTest::newRow("lower-case y") << QByteArray("y\r\n") << "Form1" << false;
        QTest::newRow("Y with a trailing blank") << QByteArray("Y \r\n") << "Form1" << false;
        QTest::newRow("blank before Y") << QByteArray(" Y\r\n") << "Form1" << false;
        QTest::newRow("longer value beginning with Y") << QByteArray("Yes\r\n") << "Form1" << false;
        QTest::newRow("empty first line, then Y") << QByteArray("\r\nY\r\n") << "Form1" << false;
        QTest::newRow("lower-case u") << QByteArray("u\r\n") << "Form1" << false;
        QTest::newRow("Y after a byte-order mark")
            << QByteArray("\xEF\xBB\xBFY\r\n") << "Form1" << false;
    }
    void runStates() {
        QFETCH(QByteArray, content);
        QFETCH(QString, windowsAfterStart);
        QFETCH(bool, paneTold);
        TemporaryDrive drive;
        MessageBoxWatcher watcher;

        QVERIFY(StartWith(drive, content));

        QCOMPARE(WindowState(), windowsAfterStart);
        QVERIFY(watcher.boxes().isEmpty());
        QCOMPARE(drive.fileBytes(), content); // reading changes nothing
        QWidget* startup = Windows().loaded(ui::Form1::kNumber);
        QVERIFY(QTest::qWaitForWindowExposed(startup));
        QCOMPARE(startup->geometry().topLeft(), QPoint(4170 / 15, 2790 / 15));
        if (QWidget* dialog = Windows().loaded(ui::Form7::kNumber))
            QCOMPARE(dialog->geometry().topLeft(), QPoint(495 / 15, 450 / 15));
        QCOMPARE(PaneUrl(), paneTold ? kLatest : QUrl());

        // "OK" leads every state to the main window; an unanswered dialog stays.
        ClickOk();
        const bool dialogOpen = windowsAfterStart.contains(QLatin1String("Form7"));
        QCOMPARE(WindowState(),
                 dialogOpen ? QStringLiteral("Form2 Form7") : QStringLiteral("Form2"));
        QCOMPARE(LoadedPane()->requestedUrl(), paneTold ? kLatest : QUrl());
        QCOMPARE(LoadedPane()->content() != nullptr, paneTold);
    }

    void failedStartReportsAndShowsNothing_data() {
        QTest::addColumn<DriveHolds>("setup");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("namesTheFile"); // else the folder
        QTest::newRow("folder there, file missing: 53")
            << DriveHolds::FolderWithoutFile << QByteArray() << 53 << true;
        QTest::newRow("empty file: 62")
            << DriveHolds::FileWithContent << QByteArray() << 62 << true;
        QTest::newRow("the folder cannot be made (drive root is a file): 75")
            << DriveHolds::RootIsAFile << QByteArray() << 75 << false;
    }
    void failedStartReportsAndShowsNothing() {
        QFETCH(DriveHolds, setup);
        QFETCH(QByteArray, content);
        QFETCH(int, number);
        QFETCH(bool, namesTheFile);
        TemporaryDrive drive;
        const QString driveRoot = setup == DriveHolds::RootIsAFile
                                      ? drive.root() + QStringLiteral("/plain-file")
                                      : drive.root();
        QVERIFY(PrepareDrive(driveRoot, setup, content));
        const preferences::PreferenceFile preferences{preferences::DriveRoot(driveRoot)};
        MessageBoxWatcher watcher;

        QCOMPARE(StartLikeMain(preferences).value_or(0), app::kStartupFailed);

        QCOMPARE(watcher.boxes().size(), 1);
        const SeenBox& report = watcher.boxes().first();
        VerifyReport(
            report, number,
            QDir::toNativeSeparators(namesTheFile ? preferences.path() : preferences.folderPath()));
        QVERIFY(report.visibleProgramWindows.isEmpty()); // not even the start-up window
        QCOMPARE(WindowState(), QString());
        if (setup == DriveHolds::FileWithContent)
            QCOMPARE(drive.fileBytes(), content);
    }

    // The pane must not hold up the start-up window: it starts only after that window painted.
    void paneStartsAfterTheStartupWindowIsUp() {
        TemporaryDrive drive;
        QVERIFY(StartWith(drive, "Y\r\n"));
        QWidget* startup = Windows().loaded(ui::Form1::kNumber);
        bool paneStartedAtFirstPaint = true;
        bool painted = false;
        struct FirstPaint : QObject {
            std::function<void()> seen;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Paint && seen) {
                    seen();
                    seen = nullptr;
                }
                return false;
            }
        } firstPaint;
        firstPaint.seen = [&] {
            painted = true;
            paneStartedAtFirstPaint = LoadedPane()->content() != nullptr;
        };
        startup->installEventFilter(&firstPaint);
        QCOMPARE(LoadedPane()->content(), nullptr);
        QTRY_VERIFY(painted);
        QVERIFY(!paneStartedAtFirstPaint);
        QTRY_VERIFY(LoadedPane()->content() != nullptr);
        // The plugin is nowhere this test looks, so the pane shows the address as a link.
        auto* link = qobject_cast<webpane::AddressLink*>(LoadedPane()->content());
        QVERIFY(link);
        QCOMPARE(link->url(), kLatest);
        QVERIFY(!LoadedPane()->fallbackReason().isEmpty());
        QVERIFY(!Windows().loaded(ui::Form2::kNumber)->isVisible());
        startup->removeEventFilter(&firstPaint);
    }

    void okBeforeTheFirstPaintStartsThePaneAsTheMainWindowShows() {
        TemporaryDrive drive;
        QVERIFY(StartWith(drive, "Y\r\n"));
        QCOMPARE(LoadedPane()->content(), nullptr);
        ClickOk(); // no event has been handled yet: nothing is painted
        QVERIFY(LoadedPane()->content() != nullptr);
        QWidget* const started = LoadedPane()->content();
        QCoreApplication::processEvents();
        QCOMPARE(LoadedPane()->content(), started); // navigated once
    }

    void endCommandsAndTheFrame_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("throughFrame");
        QTest::addColumn<QString>("windowsAfter");
        for (const char* value : {"U", "Y", "N"}) {
            const QByteArray content = QByteArray(value) + "\r\n";
            QTest::addRow("× in state %s", value) << content << false << QString();
        }
        // The frame unloads the start-up window alone; only a main window loaded hidden for its
        // pane makes it end the program, which would otherwise run on with nothing on screen.
        QTest::newRow("frame close in state U: the dialog stays")
            << QByteArray("U\r\n") << true << "Form7";
        QTest::newRow("frame close in state Y: the hidden main window goes too")
            << QByteArray("Y\r\n") << true << QString();
        QTest::newRow("frame close in state N") << QByteArray("N\r\n") << true << QString();
    }
    void endCommandsAndTheFrame() {
        QFETCH(QByteArray, content);
        QFETCH(bool, throughFrame);
        QFETCH(QString, windowsAfter);
        TemporaryDrive drive;
        QVERIFY(StartWith(drive, content));
        QWidget* startup = Windows().loaded(ui::Form1::kNumber);
        QVERIFY(QTest::qWaitForWindowExposed(startup));
        if (throughFrame)
            startup->close();
        else
            Click(startup, QStringLiteral("Command2"));
        QCOMPARE(WindowState(), windowsAfter);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(drive.fileBytes(), content);
        if (QWidget* dialog = Windows().loaded(ui::Form7::kNumber)) { // still answerable: はい
            Click(dialog, QStringLiteral("Command2"));
            QCOMPARE(drive.fileBytes(), QByteArray("Y\r\n"));
            QCOMPARE(WindowState(), QStringLiteral("Form2*"));
            QCOMPARE(LoadedPane()->requestedUrl(), kLatest);
        }
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
