#include "webengine_view_plugin.h"

#include <QApplication>
#include <QUrl>
#include <QWebEngineView>

namespace zorimex::webpane {

QString WebEngineViewPlugin::unavailableReason() const {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return QStringLiteral("the web engine needs a QApplication");
    // Without shared contexts the engine cannot start once the application object exists;
    // refusing here lets the pane fall back to a link instead of showing a dead view.
    if (!QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts))
        return QStringLiteral("Qt::AA_ShareOpenGLContexts was not set before the application "
                              "object was created");
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
