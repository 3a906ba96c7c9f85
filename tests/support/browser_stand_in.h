#pragma once
// Stands in for the desktop's browser (QDesktopServices::setUrlHandler(scheme, &browser, "open")):
// remembers every page it was asked to open, so a test neither starts a browser nor meets the
// report of a desktop that has none.

#include <QList>
#include <QObject>
#include <QUrl>

namespace zorimex::test {

class BrowserStandIn : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace zorimex::test
