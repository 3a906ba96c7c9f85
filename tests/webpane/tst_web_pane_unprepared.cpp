// A run whose start-up did not prepare for the pane (the preference said neither "U" nor "Y")
// gets a failure, and so the address link, instead of a view whose engine cannot start.

#include <zorimex/webpane/web_pane_loader.h>
#include <zorimex/webpane/web_pane_startup.h>

#include <QApplication>
#include <QTest>
#include <QUrl>
#include <QWidget>

using namespace zorimex::webpane;

class WebPaneUnpreparedTest : public QObject {
    Q_OBJECT

private slots:
    void startupLeftTheSharedContextsOff() {
        QVERIFY(!QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
    }

    void navigationFailsWithTheReason() {
#ifndef ZORIMEX_WEBVIEW_PLUGIN_DIR
        QSKIP("the web view plugin is not built");
#else
        WebPaneLoader loader({QStringLiteral(ZORIMEX_WEBVIEW_PLUGIN_DIR)});
        QWidget pane;
        const WebPaneResult result =
            loader.navigate(&pane, QUrl(QStringLiteral("https://home.zrmx.example/~reida/")));
        QVERIFY(!result.ok());
        QVERIFY(result.failure.contains(QStringLiteral("AA_ShareOpenGLContexts")));
        QVERIFY(pane.findChildren<QWidget*>().isEmpty());
#endif
    }
};

int main(int argc, char** argv) {
    prepareApplicationForWebPane(QStringLiteral("N"));
    QApplication app(argc, argv);
    WebPaneUnpreparedTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_web_pane_unprepared.moc"
