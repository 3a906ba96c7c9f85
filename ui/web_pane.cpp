#include "web_pane.h"

#include <zorimex/webpane/address_link.h>
#include <zorimex/webpane/web_pane_loader.h>

#include <QEvent>
#include <QPainter>
#include <QTimer>

namespace zorimex::ui {
namespace {

// One loader for the whole run: the plugin is loaded once and stays, whichever main window
// instance asks for it.
webpane::WebPaneLoader& loader() {
    static webpane::WebPaneLoader theLoader;
    return theLoader;
}

} // namespace

WebPane::WebPane(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WebPane::navigate(const QUrl& url) {
    if (!requestedUrl_.isEmpty())
        return;
    requestedUrl_ = url;
    QWidget* topLevel = window();
    if (topLevel->isVisible()) {
        // After the handler that navigated: it may still be closing a window, and the user should
        // see that happen before the browser starts.
        QTimer::singleShot(0, this, &WebPane::startLoading);
        return;
    }
    watchedWindow_ = topLevel;
    topLevel->installEventFilter(this);
}

void WebPane::startLoading() {
    if (requestedUrl_.isEmpty() || loadingStarted_)
        return;
    loadingStarted_ = true;
    if (watchedWindow_)
        watchedWindow_->removeEventFilter(this);
    watchedWindow_ = nullptr;
    QString failure;
    content_ = webpane::navigateOrShowLink(loader(), this, requestedUrl_, &failure);
    fallbackReason_ = failure;
}

bool WebPane::eventFilter(QObject* watched, QEvent* event) {
    // The window is being shown: the page must be loading by the time the user sees it.
    if (watched == watchedWindow_ && event->type() == QEvent::Show)
        startLoading();
    return QFrame::eventFilter(watched, event);
}

void WebPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    drawFrame(&painter);
}

} // namespace zorimex::ui
