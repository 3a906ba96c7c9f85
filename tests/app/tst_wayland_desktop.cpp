// The program on a Wayland desktop that also offers X11 (Xwayland), as Debian's default session
// does: it runs through X11, where its windows keep their places and a currency choice brings the
// main window forward, and it ends as it does everywhere. Run by wayland_desktop.sh inside a
// headless compositor; the platform is chosen as main() chooses it.

#include "display_check.h"
#include "startup_test_support.h"

#include <QAbstractButton>
#include <QLineEdit>

using namespace zorimex;
using namespace zorimex::app::test;

class WaylandDesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareApplicationOnce(); }

    void runsThroughX11() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    void choiceBringsTheMainWindowForwardAndCloseEnds() {
        TemporaryDrive drive;
        QVERIFY(StartWith(drive, "N\r\n"));
        auto& windows = Windows();
        QWidget* startup = windows.loaded(ui::Form1::kNumber);
        QVERIFY(QTest::qWaitForWindowExposed(startup));
        // The start-up window stands where its definition puts it.
        QCOMPARE(startup->geometry().topLeft(), QPoint(4170 / 15, 2790 / 15));

        Click(startup, "Command1");
        QWidget* mainWindow = windows.loaded(ui::Form2::kNumber);
        QVERIFY(QTest::qWaitForWindowActive(mainWindow));
        Click(mainWindow, "Command4");
        QWidget* selection = windows.loaded(ui::Form4::kNumber);
        QVERIFY(QTest::qWaitForWindowActive(selection));
        Click(selection, "Label1");
        QTRY_VERIFY(mainWindow->isActiveWindow());
        QCOMPARE(FieldText(mainWindow, QStringLiteral("Text5")),
                 QStringLiteral("80")); // the list rate

        QTimer::singleShot(0, mainWindow, [mainWindow] { Click(mainWindow, "Command5"); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(WindowState(), QString());
    }
};

int main(int argc, char* argv[]) {
    zorimex::app::PreferX11OnWayland(argc, argv);
    QApplication application(argc, argv);
    WaylandDesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wayland_desktop.moc"
