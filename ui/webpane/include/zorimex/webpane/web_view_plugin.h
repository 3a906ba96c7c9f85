#pragma once
// The contract between the program and the separately built browser-view plugin. Only this header
// is shared: the program never links the web engine, so the engine's libraries are mapped only
// when the plugin is loaded at the first navigation. Before it loads the plugin, the loader gives
// the application the global OpenGL share context the engine composites through.

#include <QtPlugin>

class QString;
class QUrl;
class QWidget;

namespace zorimex::webpane {

class WebViewPlugin {
public:
    virtual ~WebViewPlugin() = default;

    /// Empty when views can be created in this process; otherwise why not (shown to nobody but
    /// passed on as the reason for falling back to a plain link).
    virtual QString unavailableReason() const = 0;

    /// A new, empty browser view owned by parent. Only when unavailableReason() is empty.
    virtual QWidget* createView(QWidget* parent) = 0;

    /// Starts loading url in a view made by createView() and returns at once; the view loads and
    /// shows the page by itself.
    virtual void navigate(QWidget* view, const QUrl& url) = 0;
};

} // namespace zorimex::webpane

#define ZORIMEX_WEB_VIEW_PLUGIN_IID "org.zorimex.WebViewPlugin/1"
Q_DECLARE_INTERFACE(zorimex::webpane::WebViewPlugin, ZORIMEX_WEB_VIEW_PLUGIN_IID)
