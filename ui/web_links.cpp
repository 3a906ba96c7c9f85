#include "zorimex/ui/web_links.h"

#include <QDesktopServices>

#include <utility>

namespace zorimex::ui {
namespace {

ExternalBrowser& externalBrowser() {
    static ExternalBrowser browser;
    return browser;
}

std::optional<AppError> openInBrowser(const char* address) {
    const QUrl url(QString::fromLatin1(address));
    const ExternalBrowser& browser = externalBrowser();
    const bool opened = browser ? browser(url) : QDesktopServices::openUrl(url);
    if (opened)
        return std::nullopt;
    // Not a file, so no path; the address goes with the explanation, so the user sees which page
    // could not be opened and can copy it into a browser by hand.
    return AppError::make(error_number::BrowserNotStarted, {}, url.toString());
}

} // namespace

ExternalBrowser SetExternalBrowser(ExternalBrowser browser) {
    return std::exchange(externalBrowser(), std::move(browser));
}

std::optional<AppError> OpenBulletinBoard() {
    return openInBrowser(kBulletinBoard);
}

std::optional<AppError> OpenMakerSite() {
    return openInBrowser(kMakerSite);
}

} // namespace zorimex::ui
