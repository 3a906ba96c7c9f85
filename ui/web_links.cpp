#include "zorimex/ui/web_links.h"

#include "desktop_opener.h"

#include <QDesktopServices>

#include <utility>

namespace zorimex::ui {
namespace {

ExternalBrowser& CurrentExternalBrowser() {
    static ExternalBrowser browser;
    return browser;
}

void OpenInBrowser(const char* address, const BrowserFailed& failed) {
    const QUrl url(QString::fromLatin1(address));
    // Not a file, so no path; the address goes with the explanation, so the user sees which page
    // could not be opened and can copy it into a browser by hand.
    const auto report = [url, failed] {
        failed(
            failure::AppError::make(failure::error_number::kBrowserNotStarted, {}, url.toString()));
    };
    if (const ExternalBrowser& browser = CurrentExternalBrowser()) {
        if (!browser(url))
            report();
        return;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (OpenWithDesktopOpener(url, report))
        return;
#endif
    // Elsewhere the desktop's answer is the browser's start itself.
    if (!QDesktopServices::openUrl(url))
        report();
}

} // namespace

ExternalBrowser SetExternalBrowser(ExternalBrowser browser) {
    return std::exchange(CurrentExternalBrowser(), std::move(browser));
}

void OpenBulletinBoard(const BrowserFailed& failed) {
    OpenInBrowser(kBulletinBoard, failed);
}

void OpenMakerSite(const BrowserFailed& failed) {
    OpenInBrowser(kMakerSite, failed);
}

} // namespace zorimex::ui
