#include "zorimex/webpane/shared_gl_context.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QThread>

#include <memory>

// The one use of a private Qt function in the program. Qt Gui exports it but declares it only in
// its private headers (qopenglcontext_p.h); Qt WebEngine declares it the same way for its own late
// start-up. No public call installs a share context once the application object exists.
// Checked on Qt 6.4.2 (Debian 12): the context set here is the one
// QOpenGLContext::globalShareContext() returns. tests/webpane/tst_shared_gl_context.cpp fails if an
// upgrade changes that, and a missing symbol fails the link.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace zorimex::webpane {
namespace {

QOpenGLContext* ownShareContext = nullptr;

// Runs as the application object goes, while the platform's display connection is still open,
// and after the web engine's own clean-up, which registers later and so runs earlier.
void DeleteOwnShareContext() {
    if (QOpenGLContext::globalShareContext() == ownShareContext)
        qt_gl_set_global_share_context(nullptr);
    delete ownShareContext;
    ownShareContext = nullptr;
}

// A window with a browser view is composited through OpenGL; where there is none, Qt 6.4 crashes
// in the first flush. Platforms that draw into memory only never composite that way.
bool Usable(const QOpenGLContext& context) {
    const QString platform = QGuiApplication::platformName();
    return context.isValid() || platform == QLatin1String("offscreen") ||
           platform == QLatin1String("minimal");
}

} // namespace

bool EnsureGlobalShareContext() {
    if (const QOpenGLContext* existing = QOpenGLContext::globalShareContext())
        return Usable(*existing);
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (application == nullptr || application->thread() != QThread::currentThread())
        return false;
    auto context = std::make_unique<QOpenGLContext>();
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    if (!Usable(*context))
        return false;
    qt_gl_set_global_share_context(context.get());
    if (QOpenGLContext::globalShareContext() != context.get()) {
        // A Qt whose private setter no longer reaches the public getter: the engine would not
        // find the context, so the pane shows its link instead.
        qt_gl_set_global_share_context(nullptr);
        qWarning("zorimex: this Qt did not take the OpenGL share context");
        return false;
    }
    ownShareContext = context.release();
    qAddPostRoutine(DeleteOwnShareContext);
    // Set as the engine's own late start-up sets it, for the code that looks at the attribute
    // rather than the context. Qt warns once on standard error that it is set late; the context
    // it would have made at start is there now, which is all the attribute does at start.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}

} // namespace zorimex::webpane
