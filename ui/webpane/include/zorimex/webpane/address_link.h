#pragma once
// The pane's stand-in when no browser view can be had: the page's address as a link that opens
// the external browser.

#include <QLabel>
#include <QUrl>

namespace zorimex::webpane {

class WebPaneLoader;

class AddressLink : public QLabel {
    Q_OBJECT

public:
    /// Shows url as a link; clicking it opens url in the desktop's browser.
    AddressLink(const QUrl& url, QWidget* parent = nullptr);

    QUrl url() const { return url_; }

private:
    QUrl url_;
};

/// The pane's one navigation: a browser view on url filling parent when the plugin works,
/// otherwise an AddressLink filling parent. Returns the widget added; failure, when given,
/// receives why there is no browser view (empty when there is one).
QWidget* NavigateOrShowLink(WebPaneLoader& loader, QWidget* parent, const QUrl& url,
                            QString* failure = nullptr);

} // namespace zorimex::webpane
