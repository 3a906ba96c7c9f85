// An application that set Qt::AA_ShareOpenGLContexts itself before it was built already has the
// share context Qt made for it: the pane's first view uses that one rather than installing
// another, and the page loads.

#include "skipped_checks.h"

#include "zorimex/webpane/web_pane_loader.h"

#include <QApplication>
#include <QFile>
#include <QOpenGLContext>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWidget>

using namespace zorimex::webpane;

class WebPaneContextAtStartTest : public QObject {
    Q_OBJECT

private slots:
    void viewKeepsTheApplicationsShareContext() {
#ifndef ZORIMEX_WEBVIEW_PLUGIN_DIR
        ZORIMEX_SKIP(QStringLiteral("the web view plugin is not built"));
#else
        QOpenGLContext* madeByQt = QOpenGLContext::globalShareContext();
        QVERIFY(madeByQt != nullptr);
        QTemporaryDir site;
        const QString page = site.filePath(QStringLiteral("latest.html"));
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><head><title>Zorimex latest</title></head><body>6.00</body></html>");
        file.close();

        WebPaneLoader loader({QStringLiteral(ZORIMEX_WEBVIEW_PLUGIN_DIR)});
        QWidget pane;
        const WebPaneResult result = loader.navigate(&pane, QUrl::fromLocalFile(page));
        QVERIFY2(result.ok(), qPrintable(result.failure));
        QCOMPARE(QOpenGLContext::globalShareContext(), madeByQt);
        QSignalSpy finished(result.view, SIGNAL(loadFinished(bool)));
        QVERIFY(finished.isValid());
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() > 0, 60000);
        QCOMPARE(finished.first().first().toBool(), true);
        QCOMPARE(result.view->property("title").toString(), QStringLiteral("Zorimex latest"));
#endif
    }
};

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    WebPaneContextAtStartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_web_pane_context_at_start.moc"
