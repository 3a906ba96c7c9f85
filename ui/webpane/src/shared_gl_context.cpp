#include "shared_gl_context.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QThread>

#include <memory>

QT_BEGIN_NAMESPACE
// Exported by Qt Gui but declared only in its private headers; Qt WebEngine declares the pair the
// same way for its own late start-up. No public call installs a share context once the
// application object exists.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
QT_END_NAMESPACE

namespace zorimex::webpane {
namespace {

QOpenGLContext* ownShareContext = nullptr;

// Runs as the application object goes, while the platform's display connection is still open,
// and after the web engine's own clean-up, which registers later and so runs earlier.
void deleteOwnShareContext() {
    if (qt_gl_global_share_context() == ownShareContext)
        qt_gl_set_global_share_context(nullptr);
    delete ownShareContext;
    ownShareContext = nullptr;
}

// A window with a browser view is composited through OpenGL; where there is none, Qt 6.4 crashes
// in the first flush. Platforms that draw into memory only never composite that way.
bool usable(const QOpenGLContext& context) {
    const QString platform = QGuiApplication::platformName();
    return context.isValid() || platform == QLatin1String("offscreen") ||
           platform == QLatin1String("minimal");
}

} // namespace

bool ensureGlobalShareContext() {
    if (const QOpenGLContext* existing = qt_gl_global_share_context())
        return usable(*existing);
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (application == nullptr || application->thread() != QThread::currentThread())
        return false;
    auto context = std::make_unique<QOpenGLContext>();
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    if (!usable(*context))
        return false;
    ownShareContext = context.release();
    qt_gl_set_global_share_context(ownShareContext);
    qAddPostRoutine(deleteOwnShareContext);
    // Set as the engine's own late start-up sets it, for the code that looks at the attribute
    // rather than the context. Qt warns once on standard error that it is set late; the context
    // it would have made at start is there now, which is all the attribute does at start.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}

} // namespace zorimex::webpane
