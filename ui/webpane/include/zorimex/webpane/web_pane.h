#pragma once
// The main window's browser pane. It starts as a light, empty placeholder and remembers the one
// page it was told to show. The browser itself (the web-engine plugin, or the page's address as a
// link where there is none) is put in only when the page starts loading, which waits until the
// program is on screen, so a start-up that navigates the pane shows its first window as fast as
// one that does not.

#include <QFrame>
#include <QPointer>
#include <QUrl>

namespace zorimex::webpane {

class WebPane : public QFrame {
    Q_OBJECT

public:
    explicit WebPane(QWidget* parent = nullptr);

    /// Tells the pane to show url; only the first call counts (the pane navigates once). The
    /// page starts loading at once when the pane's window is visible, otherwise when that window
    /// is shown or startLoading() is called, whichever comes first. Returns at once.
    void navigate(const QUrl& url);

    /// Starts loading the page navigate() recorded, if it has not started yet. Does nothing
    /// before navigate().
    void startLoading();

    /// The URL passed to navigate(), or an empty URL while the pane was never told one.
    QUrl requestedUrl() const { return requestedUrl_; }
    /// What fills the pane once loading started: the browser view or the address link; null
    /// before.
    QWidget* content() const { return content_; }
    /// Why there is a link and no browser view (empty while loading has not started, or when
    /// the view is there).
    QString fallbackReason() const { return fallbackReason_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void keepContentInTabChain();

    QUrl requestedUrl_;
    QPointer<QWidget> watchedWindow_;
    QPointer<QWidget> content_;
    QString fallbackReason_;
    bool loadingStarted_ = false;
};

} // namespace zorimex::webpane
