#pragma once
// The browser view, Qt WebEngine's. Built as a plugin so that the program pays for the engine
// only in runs that navigate the pane.

#include "zorimex/webpane/web_view_plugin.h"

#include <QObject>

namespace zorimex::webpane {

class WebEngineViewPlugin : public QObject, public WebViewPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZORIMEX_WEB_VIEW_PLUGIN_IID)
    Q_INTERFACES(zorimex::webpane::WebViewPlugin)

public:
    QString unavailableReason() const override;
    QWidget* createView(QWidget* parent) override;
    void navigate(QWidget* view, const QUrl& url) override;
};

} // namespace zorimex::webpane
