#include "web_pane.h"

#include <QPainter>

namespace zorimex::ui {

WebPane::WebPane(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WebPane::navigate(const QUrl& url) {
    requestedUrl_ = url;
    emit navigationRequested(url);
}

void WebPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    drawFrame(&painter);
}

} // namespace zorimex::ui
