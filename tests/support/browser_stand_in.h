#pragma once
// Stands in for the desktop's browser for the pages of one scheme while it lives: remembers every
// page it was asked to open, so a test neither starts a browser nor meets the report of a desktop
// that has none.

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

namespace zorimex::test {

class BrowserStandIn : public QObject {
    Q_OBJECT

public:
    explicit BrowserStandIn(const QString& scheme = QStringLiteral("https")) : scheme_(scheme) {
        QDesktopServices::setUrlHandler(scheme_, this, "open");
    }
    ~BrowserStandIn() override { QDesktopServices::unsetUrlHandler(scheme_); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }

private:
    QString scheme_;
};

} // namespace zorimex::test
