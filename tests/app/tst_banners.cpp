// The two banners of the main window, clicked as a user clicks them: each click hands its page to
// the desktop's browser, and a browser that cannot be started is reported while the program
// goes on.

#include "startup_test_support.h"
#include "zorimex/ui/clickable_image.h"
#include "zorimex/ui/form2.h"
#include "zorimex/ui/web_links.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>

using namespace zorimex;
using namespace zorimex::app::test;

namespace {

QWidget* startToMainWindow(const TemporaryDrive& drive) {
    if (!drive.writeFile("N\r\n") || StartLikeMain(drive.preferences()))
        return nullptr;
    Click<ui::Form1>(QStringLiteral("Command1"));
    QWidget* mainWindow = Loaded<ui::Form2>();
    if (mainWindow && !QTest::qWaitForWindowExposed(mainWindow))
        return nullptr;
    return mainWindow;
}

// "Image1" is one click; "Image1 double" a double click as the platform delivers it: press,
// release, press, double click, release.
void clickBanner(QWidget* mainWindow, const QString& click) {
    auto* image = mainWindow->findChild<ui::ClickableImage*>(click.section(u' ', 0, 0));
    QVERIFY(image);
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
    void initTestCase() { PrepareApplicationOnce(); }
    void cleanup() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        ui::SetExternalBrowser({});
        DestroyAllWindows();
    }

    void eachClickOpensItsPage_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("pagesOpened");
        const QString board = QString::fromLatin1(ui::kBulletinBoard);
        const QString maker = QString::fromLatin1(ui::kMakerSite);
        QTest::newRow("感想・要望 twice: two windows on the board")
            << QStringList{"Image1", "Image1"} << QStringList{board, board};
        QTest::newRow("感想・要望 double-clicked: one window")
            << QStringList{"Image1 double"} << QStringList{board};
        QTest::newRow("Go to: the maker's site") << QStringList{"Image2"} << QStringList{maker};
        QTest::newRow("one after the other")
            << QStringList{"Image2", "Image1"} << QStringList{maker, board};
    }
    void eachClickOpensItsPage() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, pagesOpened);
        BrowserStandIn browser;
        TemporaryDrive drive;
        QWidget* mainWindow = startToMainWindow(drive);
        QVERIFY(mainWindow);
        MessageBoxWatcher watcher;
        for (const QString& banner : std::as_const(clicks))
            clickBanner(mainWindow, banner);
        QStringList opened;
        for (const QUrl& url : std::as_const(browser.opened))
            opened << url.toString();
        QCOMPARE(opened, pagesOpened);
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
        QTest::newRow("感想・要望") << "Image1" << QString::fromLatin1(ui::kBulletinBoard);
        QTest::newRow("Go to") << "Image2" << QString::fromLatin1(ui::kMakerSite);
    }
    void browserThatCannotStartIsReportedAndTheProgramGoesOn() {
        QFETCH(QString, banner);
        QFETCH(QString, page);
        QList<QUrl> attempts;
        ui::SetExternalBrowser([&attempts](const QUrl& url) {
            attempts << url;
            return false;
        });
        TemporaryDrive drive;
        QWidget* mainWindow = startToMainWindow(drive);
        QVERIFY(mainWindow);
        auto* amount = mainWindow->findChild<QLineEdit*>(QStringLiteral("Text1"));
        QTest::keyClicks(amount, QStringLiteral("100"));
        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
        MessageBoxWatcher watcher;

        clickBanner(mainWindow, banner);

        QTRY_COMPARE(watcher.boxes().size(), 1);
        QCOMPARE(attempts, QList<QUrl>{QUrl(page)});
        const SeenBox& report = watcher.boxes().first();
        QCOMPARE(report.title, QStringLiteral("ZRMX Ver.6"));
        QVERIFY2(report.text.startsWith(QStringLiteral("エラー 429: ")), qPrintable(report.text));
        QVERIFY2(report.text.contains(page), qPrintable(report.text));
        // Still running, the main window as it was.
        QCOMPARE(WindowState(), QStringLiteral("Form2"));
        QCOMPARE(amount->text(), QStringLiteral("100"));
        QCOMPARE(quitting.count(), 0);
        BrowserStandIn browser;
        ui::SetExternalBrowser({});
        clickBanner(mainWindow, banner);
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(page)});
        QCOMPARE(watcher.boxes().size(), 1);
    }
};

QTEST_MAIN(BannersTest)
#include "tst_banners.moc"
