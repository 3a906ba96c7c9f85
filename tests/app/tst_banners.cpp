// The two banners of the main window, clicked, pressed from the keyboard and pressed by assistive
// technology: each press hands its page to the desktop's opener (a stand-in xdg-open early in
// PATH, which logs its page and ends as told), and a browser that cannot be started is reported
// once while the program goes on.

#include "startup_test_support.h"
#include "zorimex/ui/clickable_image.h"
#include "zorimex/ui/form2.h"
#include "zorimex/ui/web_links.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>

using namespace zorimex;
using namespace zorimex::app::test;

namespace {

const QString kBoard = QString::fromLatin1(ui::kBulletinBoard);
const QString kMaker = QString::fromLatin1(ui::kMakerSite);

QWidget* StartToMainWindow(const TemporaryDrive& drive) {
    if (!StartWith(drive, "N\r\n"))
        return nullptr;
    ClickOk();
    QWidget* mainWindow = Loaded<ui::Form2>();
    if (mainWindow && !QTest::qWaitForWindowExposed(mainWindow))
        return nullptr;
    return mainWindow;
}

// Stands in for xdg-open: first in PATH for the whole test, it appends its page to "opened" and
// ends as "outcome" says: an exit status, or "crash". Windows has no opener program; there
// it stands in through the program's own hook and answers at once.
class StandInOpener {
public:
    StandInOpener() {
#ifndef Q_OS_WIN
        QFile script(dir_.filePath(QStringLiteral("xdg-open")));
        script.open(QIODevice::WriteOnly);
        // The outcome is read before the page is logged: once a test sees the page, the end
        // of that opener is settled, whatever the next row asks of the next one.
        script.write("#!/bin/sh\nhere=$(dirname \"$0\")\noutcome=$(cat \"$here/outcome\")\n"
                     "printf '%s\\n' \"$1\" >> \"$here/opened\"\n"
                     "[ \"$outcome\" = crash ] && kill -SEGV $$\nexit \"$outcome\"\n");
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        script.close();
        qputenv("PATH", dir_.path().toLocal8Bit() + ':' + qgetenv("PATH"));
#endif
    }
    /// Makes it the desktop's way of opening pages, one that has opened nothing yet and succeeds.
    void install() const {
        QFile::remove(dir_.filePath(QStringLiteral("opened")));
        endAs("0");
#ifdef Q_OS_WIN
        ui::SetExternalBrowser([this](const QUrl& url) {
            QFile log(dir_.filePath(QStringLiteral("opened")));
            log.open(QIODevice::Append);
            log.write(url.toString().toUtf8() + '\n');
            QFile outcome(dir_.filePath(QStringLiteral("outcome")));
            return outcome.open(QIODevice::ReadOnly) && outcome.readAll() == "0";
        });
#else
        ui::SetExternalBrowser({});
#endif
    }
    void endAs(const QByteArray& outcome) const {
        QFile file(dir_.filePath(QStringLiteral("outcome")));
        file.open(QIODevice::WriteOnly);
        file.write(outcome);
    }
    QStringList opened() const {
        QFile file(dir_.filePath(QStringLiteral("opened")));
        if (!file.open(QIODevice::ReadOnly))
            return {}; // nothing opened yet
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir dir_;
};

// "Image1" is one click; "Image1 double" a double click as the platform delivers it: press,
// release, press, double click, release; "Image1 Space" (or Enter) the key on the focused banner,
// reached by Tab from the last control of the window's chain; "Image1 reader" the press action of
// assistive technology.
void ClickBanner(QWidget* mainWindow, const QString& click) {
    auto* image = mainWindow->findChild<ui::ClickableImage*>(click.section(u' ', 0, 0));
    QVERIFY(image);
    const QString how = click.section(u' ', 1);
    if (how == QLatin1String("Space") || how == QLatin1String("Enter")) {
        QWidget* last = mainWindow->findChild<QWidget*>(QStringLiteral("Text7"));
        last->setFocus(Qt::TabFocusReason);
        QWidget* focus = last;
        for (int step = 0; step < 2 && focus != image; ++step) {
            QTest::keyClick(focus, Qt::Key_Tab);
            focus = mainWindow->focusWidget();
            QVERIFY2(qobject_cast<ui::ClickableImage*>(focus),
                     qPrintable(focus ? focus->objectName() : QStringLiteral("nothing")));
        }
        QCOMPARE(focus, image);
        QTest::keyClick(image, how == QLatin1String("Space") ? Qt::Key_Space : Qt::Key_Enter);
        return;
    }
    if (how == QLatin1String("reader")) {
        QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(image);
        QCOMPARE(banner->role(), QAccessible::Link);
        banner->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        return;
    }
    const QPoint centre = image->rect().center();
    QTest::mouseClick(image, Qt::LeftButton, {}, centre);
    if (!click.endsWith(QLatin1String(" double")))
        return;
    QTest::mousePress(image, Qt::LeftButton, {}, centre);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, centre, image->mapToGlobal(centre),
                            Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(image, &doubleClick);
    QTest::mouseRelease(image, Qt::LeftButton, {}, centre);
}

} // namespace

class BannersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        PrepareApplicationOnce();
        opener_.install();
    }
    void cleanup() {
        opener_.install();
        DestroyAllWindows();
    }

    void eachClickOpensItsPage_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("pagesOpened");
        QTest::newRow("感想・要望 twice: two windows on the kBoard")
            << QStringList{"Image1", "Image1"} << QStringList{kBoard, kBoard};
        QTest::newRow("感想・要望 double-clicked: one window")
            << QStringList{"Image1 double"} << QStringList{kBoard};
        QTest::newRow("Go to: the kMaker's site") << QStringList{"Image2"} << QStringList{kMaker};
        QTest::newRow("one after the other")
            << QStringList{"Image2", "Image1"} << QStringList{kMaker, kBoard};
        QTest::newRow("Tab to 感想・要望, Space")
            << QStringList{"Image1 Space"} << QStringList{kBoard};
        QTest::newRow("Tab to Go to, Enter") << QStringList{"Image2 Enter"} << QStringList{kMaker};
        QTest::newRow("a screen reader presses Go to")
            << QStringList{"Image2 reader"} << QStringList{kMaker};
    }
    void eachClickOpensItsPage() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, pagesOpened);
        TemporaryDrive drive;
        QWidget* mainWindow = StartToMainWindow(drive);
        QVERIFY(mainWindow);
        MessageBoxWatcher watcher;
        for (qsizetype i = 0; i < clicks.size(); ++i) {
            ClickBanner(mainWindow, clicks[i]);
            // One at a time, so the log keeps the order of the clicks.
            QTRY_COMPARE(opener_.opened().size(), i + 1);
        }
        QCOMPARE(opener_.opened(), pagesOpened);
        QVERIFY(watcher.boxes().isEmpty());
    }

    void pagesHaveTheirForm() {
        const QUrl latest(QString::fromLatin1(ui::kLatestVersionPage));
        const QUrl board(QString::fromLatin1(ui::kBulletinBoard));
        const QUrl maker(QString::fromLatin1(ui::kMakerSite));
        for (const QUrl& url : {latest, board, maker}) {
            QVERIFY2(url.isValid() && url.scheme() == QLatin1String("https"),
                     qPrintable(url.toString()));
            QVERIFY(url.host().endsWith(QLatin1String(".example")));
        }
        QVERIFY(latest.path().size() > 1 && latest.path().endsWith(QLatin1Char('/')));
        QCOMPARE(board.path(), QStringLiteral("/bbs/pt.cgi"));
        QVERIFY(board.query().startsWith(QLatin1String("room=")) && board.query().size() > 5);
        QVERIFY(maker.path().isEmpty() && !maker.hasQuery());
    }

    void browserThatCannotStartIsReportedAndTheProgramGoesOn_data() {
        QTest::addColumn<QString>("banner");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QByteArray>("openerEnds"); // empty: a desktop that answers at once
        QTest::newRow("感想・要望, no browser") << "Image1" << kBoard << QByteArray();
        QTest::newRow("Go to, no browser") << "Image2" << kMaker << QByteArray();
        // xdg-open's status when it found no browser
        QTest::newRow("感想・要望, opener fails") << "Image1" << kBoard << QByteArray("3");
        QTest::newRow("Go to from the keyboard, opener fails")
            << "Image2 Space" << kMaker << QByteArray("4");
        QTest::newRow("Go to, opener crashes") << "Image2" << kMaker << QByteArray("crash");
    }
    void browserThatCannotStartIsReportedAndTheProgramGoesOn() {
        QFETCH(QString, banner);
        QFETCH(QString, page);
        QFETCH(QByteArray, openerEnds);
        QList<QUrl> attempts;
        if (openerEnds.isEmpty()) {
            ui::SetExternalBrowser([&attempts](const QUrl& url) {
                attempts << url;
                return false;
            });
        } else {
            opener_.endAs(openerEnds);
        }
        TemporaryDrive drive;
        QWidget* mainWindow = StartToMainWindow(drive);
        QVERIFY(mainWindow);
        auto* amount = mainWindow->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QTest::keyClicks(amount, QStringLiteral("100"));
        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
        MessageBoxWatcher watcher;

        ClickBanner(mainWindow, banner);

        QTRY_COMPARE(watcher.boxes().size(), 1);
        if (openerEnds.isEmpty())
            QCOMPARE(attempts, QList<QUrl>{QUrl(page)});
        else
            QCOMPARE(opener_.opened(), QStringList{page});
        VerifyReport(watcher.boxes().first(), 429, page);
        // Still running, the main window as it was.
        QCOMPARE(WindowState(), QStringLiteral("Form2"));
        QCOMPARE(amount->text(), QStringLiteral("100"));
        QCOMPARE(quitting.count(), 0);
        // A browser that starts again: the page opens, and nothing more is reported.
        opener_.install();
        ClickBanner(mainWindow, banner);
        QTRY_COMPARE(opener_.opened(), QStringList{page});
        QCOMPARE(watcher.boxes().size(), 1);
    }

private:
    StandInOpener opener_;
};

QTEST_MAIN(BannersTest)
#include "tst_banners.moc"
