// Windows come and go as the program's users see them: at most one of each, created on first
// reference, fresh after an unload, every window gone at an end command, and the program ending
// when its last visible window closes.

#include "window_test_support.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

using namespace zorimex::ui;
using namespace zorimex::ui::test;

namespace {

QList<QPointer<QWidget>> LoadedWindows() {
    QList<QPointer<QWidget>> windows;
    for (int form = 1; form <= 7; ++form)
        if (QWidget* window = Windows().loaded(form))
            windows << window;
    return windows;
}

} // namespace

class WindowLifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplicationOnce(); }
    void cleanup() { DestroyAllWindows(); }

    void referenceCreatesOnceAndHidden_data();
    void referenceCreatesOnceAndHidden();
    void ownButtonUnloadsAndNextReferenceIsFresh_data();
    void ownButtonUnloadsAndNextReferenceIsFresh();
    void aboutWindowKeys_data();
    void aboutWindowKeys();
    void informationWindowsCloseIndependently();
    void startupOkShowsMainAndUnloadsStartup();
    void endCommandsDestroyEveryWindow_data();
    void endCommandsDestroyEveryWindow();
    void programRunsWhileAnyWindowIsVisible();
    void hiddenMainWindowDoesNotKeepProgramRunning();
};

void WindowLifecycleTest::referenceCreatesOnceAndHidden_data() {
    QTest::addColumn<int>("form");
    for (int form = 1; form <= 7; ++form)
        QTest::addRow("Form%d", form) << form;
}

void WindowLifecycleTest::referenceCreatesOnceAndHidden() {
    QFETCH(int, form);
    QVERIFY(!Windows().loaded(form)); // nothing exists before it is referred to
    QWidget* first = Form(form);
    QVERIFY(first);
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

void WindowLifecycleTest::ownButtonUnloadsAndNextReferenceIsFresh_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("closeButton");
    QTest::newRow("About OK") << 3 << "cmdOK";
    QTest::newRow("selection 選択終了") << 4 << "Command1";
    QTest::newRow("advice 閉じる") << 5 << "Command1";
    QTest::newRow("hotel rates 閉じる") << 6 << "Command1";
}

void WindowLifecycleTest::ownButtonUnloadsAndNextReferenceIsFresh() {
    QFETCH(int, form);
    QFETCH(QString, closeButton);
    QWidget* mainWindow = ShowForm(2);
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

void WindowLifecycleTest::aboutWindowKeys_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void WindowLifecycleTest::aboutWindowKeys() {
    QFETCH(int, key);
    QWidget* mainWindow = ShowForm(2);
    ShowForm(5);
    QWidget* about = ShowForm(3);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Picture1"));
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    QVERIFY(!Windows().loaded(3));
    QVERIFY(!about->isVisible());
    QVERIFY(mainWindow->isVisible());
    QVERIFY(Windows().loaded(5)->isVisible());
}

void WindowLifecycleTest::informationWindowsCloseIndependently() {
    QWidget* mainWindow = ShowForm(2);
    for (const char* command : {"pk", "hotel", "version"})
        Control<QAction>(mainWindow, QString::fromLatin1(command))->trigger();
    for (int form : {3, 5, 6})
        QVERIFY(Windows().loaded(form)->isVisible());
    Click(Windows().loaded(6), "Command1");
    QVERIFY(!Windows().loaded(6));
    QVERIFY(Windows().loaded(5)->isVisible());
    QVERIFY(Windows().loaded(3)->isVisible());
    Click(Windows().loaded(5), "Command1");
    QVERIFY(Windows().loaded(3)->isVisible());
    QVERIFY(mainWindow->isVisible());
}

void WindowLifecycleTest::startupOkShowsMainAndUnloadsStartup() {
    QPointer<QWidget> startup = ShowForm(1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // focus starts on OK
    QWidget* mainWindow = Windows().loaded(2);
    QVERIFY(mainWindow);
    QVERIFY(mainWindow->isVisible());
    QVERIFY(!Windows().loaded(1));
    SettleDeletions();
    QVERIFY(startup.isNull());
    QTRY_COMPARE(QApplication::activeWindow(), mainWindow);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
}

void WindowLifecycleTest::endCommandsDestroyEveryWindow_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("command");
    QTest::newRow("終了") << 2 << "finish";
    QTest::newRow("main window ×") << 2 << "Command5";
    QTest::newRow("start-up window ×") << 1 << "Command2";
}

void WindowLifecycleTest::endCommandsDestroyEveryWindow() {
    QFETCH(int, form);
    QFETCH(QString, command);
    for (int other : {7, 3, 4, 5, 6})
        ShowForm(other);
    Form(2); // loaded, perhaps hidden
    QWidget* window = ShowForm(form);
    const auto windows = LoadedWindows();
    QCOMPARE(windows.size(), form == 1 ? 7 : 6);

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

void WindowLifecycleTest::programRunsWhileAnyWindowIsVisible() {
    ShowForm(2);
    Control<QAction>(Form(2), QStringLiteral("version"))->trigger();
    bool stillRunningAfterMainClosed = false;
    const int exitCode = RunEventLoop([&] {
        Windows().loaded(2)->close(); // through the frame
        QTimer::singleShot(200, [&] {
            stillRunningAfterMainClosed = true;
            Windows().loaded(3)->close();
        });
    });
    QVERIFY(stillRunningAfterMainClosed);
    QCOMPARE(exitCode, 0);
}

void WindowLifecycleTest::hiddenMainWindowDoesNotKeepProgramRunning() {
    Form(2); // loaded, never shown
    ShowForm(5);
    const int exitCode = RunEventLoop([] { Windows().loaded(5)->close(); });
    QCOMPARE(exitCode, 0);
}

QTEST_MAIN(WindowLifecycleTest)
#include "tst_window_lifecycle.moc"
