// Windows come and go as the program's users see them: at most one of each, created on first
// reference, fresh after an unload, every window gone at an end command, and the program ending
// when its last visible window closes.

#include "window_test_support.h"

#include <QAbstractButton>
#include <QPointer>
#include <QTimer>

using namespace zorimex::ui;
using namespace zorimex::ui::test;

class WindowLifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplicationOnce(); }
    void cleanup() { DestroyAllWindows(); }

    void referenceCreatesOnceAndHidden_data() { AddRowPerForm(); }

    void referenceCreatesOnceAndHidden() {
        QFETCH(int, form);
        QVERIFY(!Windows().loaded(form)); // nothing exists before it is referred to
        QWidget* first = Form(form);
        QVERIFY(!first->isVisible());
        QCOMPARE(Form(form), first);
        Windows().show(first);
        Windows().show(first);
        QCOMPARE(Form(form), first);
        QVERIFY(first->isVisible());
        int instances = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            instances += widget->objectName() == QStringLiteral("Form%1").arg(form) ? 1 : 0;
        QCOMPARE(instances, 1);
    }

    void ownButtonUnloadsAndNextReferenceIsFresh_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("closeButton");
        QTest::newRow("About OK") << Form3::kNumber << "cmdOK";
        QTest::newRow("selection 選択終了") << Form4::kNumber << "Command1";
        QTest::newRow("advice 閉じる") << Form5::kNumber << "Command1";
        QTest::newRow("hotel rates 閉じる") << Form6::kNumber << "Command1";
    }

    void ownButtonUnloadsAndNextReferenceIsFresh() {
        QFETCH(int, form);
        QFETCH(QString, closeButton);
        QWidget* mainWindow = ShowForm(Form2::kNumber);
        QPointer<QWidget> window = ShowForm(form);
        QTest::mouseClick(Control<QAbstractButton>(window, closeButton), Qt::LeftButton);
        QVERIFY(!Windows().loaded(form));
        SettleDeletions();
        QVERIFY(window.isNull());
        QVERIFY(mainWindow->isVisible());
        QWidget* fresh = ShowForm(form);
        QVERIFY(fresh->isVisible());
        QCOMPARE(Windows().loaded(form), fresh);
    }

    void aboutWindowKeys_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void aboutWindowKeys() {
        QFETCH(int, key);
        QWidget* mainWindow = ShowForm(Form2::kNumber);
        ShowForm(Form5::kNumber);
        QWidget* about = ShowForm(Form3::kNumber);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Picture1"));
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        QVERIFY(!Windows().loaded(Form3::kNumber));
        QVERIFY(!about->isVisible());
        QVERIFY(mainWindow->isVisible());
        QVERIFY(Windows().loaded(Form5::kNumber)->isVisible());
    }

    void informationWindowsCloseIndependently() {
        QWidget* mainWindow = ShowForm(Form2::kNumber);
        for (const char* command : {"pk", "hotel", "version"})
            Control<QAction>(mainWindow, QString::fromLatin1(command))->trigger();
        for (int form : {Form3::kNumber, Form5::kNumber, Form6::kNumber})
            QVERIFY(Windows().loaded(form)->isVisible());
        Click(Windows().loaded(Form6::kNumber), "Command1");
        QVERIFY(!Windows().loaded(Form6::kNumber));
        QVERIFY(Windows().loaded(Form5::kNumber)->isVisible());
        QVERIFY(Windows().loaded(Form3::kNumber)->isVisible());
        Click(Windows().loaded(Form5::kNumber), "Command1");
        QVERIFY(Windows().loaded(Form3::kNumber)->isVisible());
        QVERIFY(mainWindow->isVisible());
    }

    void startupOkShowsMainAndUnloadsStartup() {
        QPointer<QWidget> startup = ShowForm(Form1::kNumber);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // focus starts on OK
        QWidget* mainWindow = Windows().loaded(Form2::kNumber);
        QVERIFY(mainWindow);
        QVERIFY(mainWindow->isVisible());
        QVERIFY(!Windows().loaded(Form1::kNumber));
        SettleDeletions();
        QVERIFY(startup.isNull());
        QTRY_COMPARE(QApplication::activeWindow(), mainWindow);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
    }

    void endCommandsDestroyEveryWindow_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("command");
        QTest::newRow("終了") << Form2::kNumber << "finish";
        QTest::newRow("main window ×") << Form2::kNumber << "Command5";
        QTest::newRow("start-up window ×") << Form1::kNumber << "Command2";
    }

    void endCommandsDestroyEveryWindow() {
        QFETCH(int, form);
        QFETCH(QString, command);
        for (int other : {7, 3, 4, 5, 6})
            ShowForm(other);
        Form(Form2::kNumber); // loaded, perhaps hidden
        QWidget* window = ShowForm(form);
        const auto windows = LoadedWindows();
        QCOMPARE(windows.size(), form == Form1::kNumber ? 7 : 6);

        if (auto* action = window->findChild<QAction*>(command))
            action->trigger();
        else
            Click(window, qPrintable(command));
        // Every window is unloaded at once, the hidden ones too.
        QVERIFY(LoadedWindows().isEmpty());
        for (const auto& gone : windows)
            QVERIFY(gone.isNull() || !gone->isVisible());
        SettleDeletions();
        for (const auto& gone : windows)
            QVERIFY(gone.isNull());
        QVERIFY(LoadedWindows().isEmpty());
    }

    void programRunsWhileAnyWindowIsVisible() {
        ShowForm(Form2::kNumber);
        Control<QAction>(Form(Form2::kNumber), QStringLiteral("version"))->trigger();
        bool stillRunningAfterMainClosed = false;
        const int exitCode = RunEventLoop([&] {
            Windows().loaded(Form2::kNumber)->close(); // through the frame
            QTimer::singleShot(200, [&] {
                stillRunningAfterMainClosed = true;
                Windows().loaded(Form3::kNumber)->close();
            });
        });
        QVERIFY(stillRunningAfterMainClosed);
        QCOMPARE(exitCode, 0);
    }

    void hiddenMainWindowDoesNotKeepProgramRunning() {
        Form(Form2::kNumber); // loaded, never shown
        ShowForm(Form5::kNumber);
        const int exitCode = RunEventLoop([] { Windows().loaded(Form5::kNumber)->close(); });
        QCOMPARE(exitCode, 0);
    }
};

QTEST_MAIN(WindowLifecycleTest)
#include "tst_window_lifecycle.moc"
