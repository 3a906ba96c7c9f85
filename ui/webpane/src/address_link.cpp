#include "zorimex/webpane/address_link.h"
#include "zorimex/webpane/web_pane_loader.h"

namespace zorimex::webpane {

AddressLink::AddressLink(const QUrl& url, QWidget* parent) : QLabel(parent), url_(url) {
    setTextFormat(Qt::RichText);
    // The address is the user's only clue when the pane cannot show the page, so it is shown in
    // full (wrapping) and opened by the desktop's browser through QDesktopServices.
    setText(QStringLiteral("<a href=\"%1\">%2</a>")
                .arg(url.toString(QUrl::FullyEncoded).toHtmlEscaped(),
                     url.toDisplayString().toHtmlEscaped()));
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::TextBrowserInteraction);
    setOpenExternalLinks(true);
}

QWidget* NavigateOrShowLink(WebPaneLoader& loader, QWidget* parent, const QUrl& url,
                            QString* failure) {
    const WebPaneResult result = loader.navigate(parent, url);
    if (failure != nullptr)
        *failure = result.failure;
    if (result.ok())
        return result.view;
    auto* link = new AddressLink(url, parent);
    FillWith(parent, link);
    return link;
}

} // namespace zorimex::webpane
