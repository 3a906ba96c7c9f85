#include "zorimex/webpane/web_pane.h"

#include "zorimex/webpane/address_link.h"
#include "zorimex/webpane/web_pane_loader.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>

namespace zorimex::webpane {
namespace {

// One loader for the whole run: the plugin is loaded once and stays, whichever main window
// instance asks for it.
WebPaneLoader& SharedLoader() {
    static WebPaneLoader theLoader;
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
    content_ = NavigateOrShowLink(SharedLoader(), this, requestedUrl_, &failure);
    fallbackReason_ = failure;
    if (content_) {
        content_->installEventFilter(this);
        keepContentInTabChain();
    }
}

void WebPane::keepContentInTabChain() {
    // Made long after the window's controls, the content would join the tab chain at its end.
    // It takes the pane's place instead: the controls it is made of follow the pane directly,
    // and the pane hands the focus on to them, so Tab visits the window in the same order
    // before and after the page loads.
    setFocusProxy(nullptr);
    QWidget* previous = this;
    QWidget* first = nullptr;
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || control->focusProxy())
            continue;
        QWidget::setTabOrder(previous, control);
        previous = control;
        if (!first)
            first = control;
    }
    if (first)
        setFocusProxy(first);
}

bool WebPane::eventFilter(QObject* watched, QEvent* event) {
    // A browser view makes the control that takes the keyboard when the page arrives.
    if (watched == content_ && event->type() == QEvent::ChildAdded)
        QTimer::singleShot(0, this, &WebPane::keepContentInTabChain);
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

} // namespace zorimex::webpane
