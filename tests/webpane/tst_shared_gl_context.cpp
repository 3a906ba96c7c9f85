// The pane's loader installs the application's OpenGL share context through a private Qt function.
// This says loudly when a Qt upgrade changes what that function does.

#include "zorimex/webpane/shared_gl_context.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QTest>

class SharedGlContextTest : public QObject {
    Q_OBJECT

private slots:
    void installedContextIsTheOneQtHandsOut() {
        QCOMPARE(QOpenGLContext::globalShareContext(), nullptr);
        QVERIFY(!QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
        QVERIFY2(zorimex::webpane::EnsureGlobalShareContext(),
                 "the private qt_gl_set_global_share_context no longer sets the context "
                 "QOpenGLContext::globalShareContext() returns");
        QOpenGLContext* installed = QOpenGLContext::globalShareContext();
        QVERIFY(installed != nullptr);
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
        // A second call keeps the context it made.
        QVERIFY(zorimex::webpane::EnsureGlobalShareContext());
        QCOMPARE(QOpenGLContext::globalShareContext(), installed);
    }
};

QTEST_MAIN(SharedGlContextTest)
#include "tst_shared_gl_context.moc"
