#include "webengine_view_plugin.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QUrl>
#include <QWebEngineView>

namespace zorimex::webpane {

QString WebEngineViewPlugin::unavailableReason() const {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return QStringLiteral("the web engine needs a QApplication");
    // The engine cannot start without the application's share context (it crashes); refusing
    // here lets the pane fall back to a link instead.
    if (QOpenGLContext::globalShareContext() == nullptr)
        return QStringLiteral("the application has no OpenGL share context for the web engine");
    return QString();
}

QWidget* WebEngineViewPlugin::createView(QWidget* parent) {
    if (!unavailableReason().isEmpty())
        return nullptr;
    return new QWebEngineView(parent);
}

void WebEngineViewPlugin::navigate(QWidget* view, const QUrl& url) {
    if (auto* webView = qobject_cast<QWebEngineView*>(view))
        webView->load(url);
}

} // namespace zorimex::webpane
