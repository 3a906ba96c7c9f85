#include "zorimex/webpane/web_pane_loader.h"
#include "zorimex/webpane/shared_gl_context.h"
#include "zorimex/webpane/web_view_plugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace zorimex::webpane {

QStringList WebPaneLoader::defaultPluginFolders() {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    QStringList folders{
        executableFolder,
        QDir::cleanPath(executableFolder +
                        QStringLiteral("/../" ZORIMEX_INSTALL_LIBDIR "/zorimex")),
        QDir::cleanPath(executableFolder + QStringLiteral("/../lib/zorimex")),
        QStringLiteral(ZORIMEX_INSTALL_FULL_LIBDIR "/zorimex"),
    };
    folders.removeDuplicates();
    return folders;
}

WebPaneLoader::WebPaneLoader() : folders_(defaultPluginFolders()) {}

WebPaneLoader::WebPaneLoader(const QStringList& pluginFolders) : folders_(pluginFolders) {}

QString WebPaneLoader::loadPlugin() {
    QStringList loadErrors;
    for (const QString& folder : std::as_const(folders_)) {
        if (folder.isEmpty())
            continue;
        // QPluginLoader adds the platform's prefix and suffix and leaves fileName() empty when
        // no such file is in the folder.
        QPluginLoader loader(QDir(folder).filePath(pluginBaseName()));
        if (loader.fileName().isEmpty())
            continue;
        // The metadata is read without loading the library: a file that is no web view plugin
        // must not cost the share context below.
        if (loader.metaData().value(QLatin1String("IID")).toString() !=
            QLatin1String(ZORIMEX_WEB_VIEW_PLUGIN_IID)) {
            loadErrors << QStringLiteral("%1 is not a web view plugin").arg(loader.fileName());
            continue;
        }
        // Before the library is loaded: the engine looks for the context as it comes in.
        if (!EnsureGlobalShareContext())
            return QStringLiteral("no OpenGL context can be made to show web pages in");
        QObject* instance = loader.instance();
        if (instance == nullptr) {
            loadErrors << loader.errorString();
            continue;
        }
        plugin_ = qobject_cast<WebViewPlugin*>(instance);
        if (plugin_ != nullptr)
            return QString();
        loadErrors << QStringLiteral("%1 is not a web view plugin").arg(loader.fileName());
    }
    if (!loadErrors.isEmpty())
        return loadErrors.join(QLatin1Char('\n'));
    return QStringLiteral("%1 not found in: %2")
        .arg(pluginBaseName(), folders_.join(QStringLiteral(", ")));
}

WebPaneResult WebPaneLoader::navigate(QWidget* parent, const QUrl& url) {
    if (parent == nullptr)
        return {nullptr, QStringLiteral("no pane to put the web view in")};
    if (plugin_ == nullptr) {
        const QString failure = loadPlugin();
        if (plugin_ == nullptr)
            return {nullptr, failure};
    }
    const QString unavailable = plugin_->unavailableReason();
    if (!unavailable.isEmpty())
        return {nullptr, unavailable};
    QWidget* view = plugin_->createView(parent);
    if (view == nullptr)
        return {nullptr, QStringLiteral("the web view plugin created no view")};
    FillWith(parent, view);
    plugin_->navigate(view, url);
    return {view, QString()};
}

void FillWith(QWidget* parent, QWidget* child) {
    QLayout* layout = parent->layout();
    if (layout == nullptr) {
        layout = new QVBoxLayout(parent);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    layout->addWidget(child);
    child->show();
}

} // namespace zorimex::webpane
