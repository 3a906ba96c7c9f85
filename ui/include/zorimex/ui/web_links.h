#pragma once
// The three pages the program points at. They are opened, never read.

#include "zorimex/failure/app_error.h"

#include <QUrl>

#include <functional>

namespace zorimex::ui {

/// The author's latest-version page, shown in the main window's browser pane.
inline constexpr const char* kLatestVersionPage = "https://home.zrmx.example/~reida/";
/// The feedback bulletin board, opened by the 感想・要望 banner.
inline constexpr const char* kBulletinBoard = "https://bbs.zrmx.example/bbs/pt.cgi?room=zorimex";
/// The maker group's site, opened by the "Go to" banner.
inline constexpr const char* kMakerSite = "https://www.zrmx-kobo.example";

/// Starts the desktop's web browser on a URL; false when none could be started.
using ExternalBrowser = std::function<bool(const QUrl&)>;

/// Replaces the way pages are handed to the desktop's browser and returns the previous one. An
/// empty function restores the desktop's own way: its opener (xdg-open) where there is one,
/// whose exit status is awaited, else QDesktopServices.
ExternalBrowser SetExternalBrowser(ExternalBrowser browser);

/// Told, once, that a page could not be handed to a browser. With the desktop's opener that is
/// known only when the opener ends, after the click's handler has returned.
using BrowserFailed = std::function<void(const failure::AppError&)>;

/// Opens the bulletin board in a new external browser window; `failed` when none opened.
void OpenBulletinBoard(const BrowserFailed& failed);
/// Opens the maker's site in a new external browser window; `failed` when none opened.
void OpenMakerSite(const BrowserFailed& failed);

} // namespace zorimex::ui
