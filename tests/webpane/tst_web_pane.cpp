// The browser pane: nothing of the web engine is in the process until the first navigation, a
// missing or broken plugin yields a failure the pane can fall back from, and with the plugin a
// real page loads in the real view.

#include <zorimex/webpane/address_link.h>
#include <zorimex/webpane/web_pane_loader.h>
#include <zorimex/webpane/web_pane_startup.h>

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QUrl>
#include <QWidget>

#include <optional>

using namespace zorimex::webpane;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

bool webEngineMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("libQt6WebEngine");
}

} // namespace

class WebPaneTest : public QObject {
    Q_OBJECT

private slots:
    void paneMayBeNavigatedOnlyForUAndY_data() {
        QTest::addColumn<std::optional<QString>>("peeked");
        QTest::addColumn<bool>("may");
        QTest::newRow("U: the consent dialog may say yes") << std::optional<QString>("U") << true;
        QTest::newRow("Y") << std::optional<QString>("Y") << true;
        QTest::newRow("N") << std::optional<QString>("N") << false;
        QTest::newRow("lower-case y") << std::optional<QString>("y") << false;
        QTest::newRow("Y with a blank") << std::optional<QString>("Y ") << false;
        QTest::newRow("longer value beginning with Y") << std::optional<QString>("Yes") << false;
        QTest::newRow("empty first line") << std::optional<QString>("") << false;
        QTest::newRow("unreadable file") << std::optional<QString>() << false;
    }
    void paneMayBeNavigatedOnlyForUAndY() {
        QFETCH(std::optional<QString>, peeked);
        QFETCH(bool, may);
        QCOMPARE(paneMayBeNavigated(peeked), may);
    }

    void startupPreparationSetTheSharedContexts() {
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
    }

    void engineNotMappedBeforeNavigation() {
        QVERIFY2(!webEngineMapped(), "the web engine is in the process before any navigation");
    }

    void missingPluginFailsAndAddsNothing() {
        QTemporaryDir emptyFolder;
        WebPaneLoader loader({emptyFolder.path(), emptyFolder.filePath(QStringLiteral("absent"))});
        QWidget pane;
        const WebPaneResult result =
            loader.navigate(&pane, QUrl(QStringLiteral("https://a.example/")));
        QVERIFY(!result.ok());
        QVERIFY(result.failure.contains(WebPaneLoader::pluginBaseName()));
        QVERIFY(pane.findChildren<QWidget*>().isEmpty());
        QVERIFY(!webEngineMapped());
    }

    void brokenPluginFails() {
        QTemporaryDir folder;
        QFile fake(folder.filePath(QStringLiteral("libzorimex_webview.so")));
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.write("not a shared object");
        fake.close();
        WebPaneLoader loader({folder.path()});
        QWidget pane;
        const WebPaneResult result =
            loader.navigate(&pane, QUrl(QStringLiteral("https://a.example/")));
        QVERIFY(!result.ok());
        QVERIFY(!result.failure.isEmpty());
        QVERIFY(pane.findChildren<QWidget*>().isEmpty());
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

        QWidget* shown = navigateOrShowLink(loader, &pane, url, &failure);

        QVERIFY(!failure.isEmpty());
        auto* link = qobject_cast<AddressLink*>(shown);
        QVERIFY(link);
        QCOMPARE(link->parentWidget(), &pane);
        QVERIFY(link->openExternalLinks());
        QSignalSpy activated(link, &QLabel::linkActivated);
        QCOMPARE(link->url(), url);
        // What the label shows and links to, once the markup is undone, is the address itself.
        QTextDocument document;
        document.setHtml(link->text());
        QCOMPARE(document.toPlainText(), url.toDisplayString());
        QVERIFY(link->text().contains(url.toString(QUrl::FullyEncoded).toHtmlEscaped()));
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QCOMPARE(link->geometry(), pane.rect());
    }

    void realPageLoadsInTheView_data() {
        QTest::addColumn<bool>("paneVisible");
        QTest::newRow("pane on screen") << true;
        QTest::newRow("window loaded hidden") << false;
    }
    void realPageLoadsInTheView() {
#ifndef ZORIMEX_WEBVIEW_PLUGIN_DIR
        QSKIP("the web view plugin is not built");
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
        QVERIFY(webEngineMapped());
        QSignalSpy finished(result.view, SIGNAL(loadFinished(bool)));
        QVERIFY(finished.isValid());

        QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0, 60000);
        QCOMPARE(finished.first().first().toBool(), true);
        QCOMPARE(result.view->property("title").toString(), QStringLiteral("Zorimex latest"));
        if (paneVisible)
            QCOMPARE(result.view->geometry(), pane.rect());
#endif
    }
};

int main(int argc, char** argv) {
    // As the program does: the peeked value decides before the application object exists.
    prepareApplicationForWebPane(QStringLiteral("Y"));
    QApplication app(argc, argv);
    WebPaneTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_web_pane.moc"
