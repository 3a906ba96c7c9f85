#pragma once
// Puts a browser view into the pane at the moment of the first navigation, loading the plugin
// that holds the web engine only then.

#include <QString>
#include <QStringList>

class QUrl;
class QWidget;

namespace zorimex::webpane {

class WebViewPlugin;

/// The view the pane got, or why it got none.
struct WebPaneResult {
    QWidget* view = nullptr;
    QString failure; ///< set when view is null

    bool ok() const { return view != nullptr; }
};

class WebPaneLoader {
public:
    /// The plugin's file name without the platform's prefix and suffix.
    static QString pluginBaseName() { return QStringLiteral("zorimex_webview"); }

    /// Where an installed or freshly built program keeps the plugin, in search order: the
    /// executable's folder, <executable>/../<libdir>/zorimex, <executable>/../lib/zorimex and the
    /// install prefix's <libdir>/zorimex. Needs the application object.
    static QStringList defaultPluginFolders();

    /// Searches defaultPluginFolders() at the first navigation.
    WebPaneLoader();
    /// Searches exactly these folders.
    explicit WebPaneLoader(const QStringList& pluginFolders);

    /// Loads the plugin (once per loader), adds a new browser view that fills parent (through
    /// parent's layout, which is created when missing) and starts it on url. Right before the
    /// plugin is first loaded, the application gets its OpenGL share context (and with it the GL
    /// driver). On failure nothing is added to parent and the result says why: plugin missing,
    /// not loadable, or unable to create views in this process.
    WebPaneResult navigate(QWidget* parent, const QUrl& url);

private:
    QString loadPlugin();

    QStringList folders_;
    WebViewPlugin* plugin_ = nullptr; // lives until the process ends: plugins are never unloaded
};

/// Adds child to parent so that it fills it: through parent's layout, or a new margin-free one.
void FillWith(QWidget* parent, QWidget* child);

} // namespace zorimex::webpane
