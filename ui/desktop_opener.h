#pragma once
// The desktop's opener (xdg-open) on free desktops. The toolkit reports success as soon as the
// opener has started, so a desktop with the opener but no browser would swallow the click; the
// opener's exit status says whether the page reached a browser.

#include <QUrl>

#include <functional>

namespace zorimex::ui {

/// Hands `url` to the desktop's opener found in PATH and returns at once; `failed` runs later,
/// from the event loop, when the opener cannot start or exits with a failure. False, and nothing
/// done, when there is no opener.
bool OpenWithDesktopOpener(const QUrl& url, const std::function<void()>& failed);

} // namespace zorimex::ui
