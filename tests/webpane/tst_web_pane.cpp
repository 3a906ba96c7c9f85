// The browser pane: nothing of the web engine (neither its libraries nor the OpenGL share context
// it needs) is in the process until the first navigation, a missing or broken plugin yields a
// failure the pane can fall back from, and with the plugin a real page loads in the real view of
// an application that set nothing up for it.

#include "browser_stand_in.h"
#include "loaded_libraries.h"
#include "skipped_checks.h"

#include "zorimex/webpane/address_link.h"
#include "zorimex/webpane/web_pane_loader.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QOpenGLContext>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QUrl>
#include <QWidget>

using namespace zorimex::webpane;
using namespace zorimex::test;

namespace {

// Nothing that the web engine needs may be paid for before the pane is navigated.
void VerifyNothingOfTheEngineYet() {
    const auto libraries = LoadedLibraries();
    QVERIFY2(libraries, "the loaded libraries cannot be listed here");
    QVERIFY2(!HasWebEngine(*libraries), "the web engine is in the process before any navigation");
#ifndef Q_OS_WIN // the driver names are those of Mesa
    QVERIFY2(!HasGlDriver(*libraries), "a GL driver is in the process before any navigation");
#endif
    QCOMPARE(QOpenGLContext::globalShareContext(), nullptr);
    QVERIFY(!QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
}

} // namespace

class WebPaneTest : public QObject {
    Q_OBJECT

private slots:
    void nothingOfTheEngineBeforeNavigation() { VerifyNothingOfTheEngineYet(); }

    void unusablePluginFailsAndAddsNothing_data() {
        QTest::addColumn<QByteArray>("plugin"); // what the plugin's file holds; empty: no file
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("broken") << QByteArray("not a shared object");
    }
    void unusablePluginFailsAndAddsNothing() {
        QFETCH(QByteArray, plugin);
        QTemporaryDir folder;
        QFile fake(folder.filePath(QStringLiteral("libzorimex_webview.so")));
        if (!plugin.isEmpty())
            QVERIFY(fake.open(QIODevice::WriteOnly) && fake.write(plugin) == plugin.size());
        fake.close();
        WebPaneLoader loader({folder.path(), folder.filePath(QStringLiteral("absent"))});
        QWidget pane;
        const WebPaneResult result =
            loader.navigate(&pane, QUrl(QStringLiteral("https://a.example/")));
        QVERIFY(!result.ok());
        QVERIFY(!result.failure.isEmpty());
        QVERIFY(!plugin.isEmpty() || result.failure.contains(WebPaneLoader::pluginBaseName()));
        QVERIFY(pane.findChildren<QWidget*>().isEmpty());
        VerifyNothingOfTheEngineYet();
    }

    void fallbackShowsTheAddressAsALink_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("latest-version page") << "https://home.zrmx.example/~reida/";
        QTest::newRow("query with markup characters")
            << "https://bbs.zrmx.example/bbs/pt.cgi?room=zorimex&x=<b>\"";
    }
    void fallbackShowsTheAddressAsALink() {
        QFETCH(QString, address);
        const QUrl url(address);
        QTemporaryDir emptyFolder;
        WebPaneLoader loader({emptyFolder.path()});
        QWidget pane;
        pane.resize(300, 200);
        QString failure;

        QWidget* shown = NavigateOrShowLink(loader, &pane, url, &failure);

        QVERIFY(!failure.isEmpty());
        auto* link = qobject_cast<AddressLink*>(shown);
        QVERIFY(link);
        QCOMPARE(link->parentWidget(), &pane);
        QVERIFY(link->openExternalLinks());
        QCOMPARE(link->url(), url);
        // What the label shows and links to, once the markup is undone, is the address itself.
        QTextDocument document;
        document.setHtml(link->text());
        QCOMPARE(document.toPlainText(), url.toDisplayString());
        QVERIFY(link->text().contains(url.toString(QUrl::FullyEncoded).toHtmlEscaped()));
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QCOMPARE(link->geometry(), pane.rect());
        // A click on the address opens that very address in the desktop's browser.
        BrowserStandIn browser(url.scheme());
        const QFontMetrics metrics = link->fontMetrics();
        QTest::mouseClick(link, Qt::LeftButton, {},
                          QPoint(metrics.averageCharWidth() * 2, metrics.height() / 2));
        QCOMPARE(browser.opened, QList<QUrl>{url});
    }

    void realPageLoadsInTheView_data() {
        QTest::addColumn<bool>("paneVisible");
        QTest::newRow("pane on screen") << true;
        QTest::newRow("window loaded hidden") << false;
    }
    void realPageLoadsInTheView() {
#ifndef ZORIMEX_WEBVIEW_PLUGIN_DIR
        ZORIMEX_SKIP(QStringLiteral("the web view plugin is not built"));
#else
        QFETCH(bool, paneVisible);
        QTemporaryDir site;
        const QString page = site.filePath(QStringLiteral("latest.html"));
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><head><title>Zorimex latest</title></head><body>6.00</body></html>");
        file.close();

        QWidget pane;
        pane.resize(400, 300);
        if (paneVisible) {
            pane.show();
            QVERIFY(QTest::qWaitForWindowExposed(&pane));
        }
        WebPaneLoader loader({QStringLiteral(ZORIMEX_WEBVIEW_PLUGIN_DIR)});
        const WebPaneResult result = loader.navigate(&pane, QUrl::fromLocalFile(page));
        QVERIFY2(result.ok(), qPrintable(result.failure));
        QVERIFY(HasWebEngine(LoadedLibraries().value_or(QByteArray())));
        // The first view brought the share context the engine needs; later views keep it.
        QOpenGLContext* shareContext = QOpenGLContext::globalShareContext();
        QVERIFY(shareContext != nullptr);
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
        if (firstShareContext_ == nullptr)
            firstShareContext_ = shareContext;
        QCOMPARE(shareContext, firstShareContext_.data());
        QSignalSpy finished(result.view, SIGNAL(loadFinished(bool)));
        QVERIFY(finished.isValid());

        QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0, 60000);
        QCOMPARE(finished.first().first().toBool(), true);
        QCOMPARE(result.view->property("title").toString(), QStringLiteral("Zorimex latest"));
        if (paneVisible)
            QCOMPARE(result.view->geometry(), pane.rect());
#endif
    }

private:
    QPointer<QOpenGLContext> firstShareContext_;
};

int main(int argc, char** argv) {
    // As the program does: nothing is set up for the web engine before the application exists.
    QApplication app(argc, argv);
    WebPaneTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_web_pane.moc"
