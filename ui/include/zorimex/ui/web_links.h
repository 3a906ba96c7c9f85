#pragma once
// The three pages the program points at. They are opened, never read.

#include <zorimex/failure/app_error.h>

#include <QUrl>

#include <functional>
#include <optional>

namespace zorimex::ui {

/// The author's latest-version page, shown in the main window's browser pane.
inline constexpr const char* kLatestVersionPage = "https://home.zrmx.example/~reida/";
/// The feedback bulletin board, opened by the 感想・要望 banner.
inline constexpr const char* kBulletinBoard = "https://bbs.zrmx.example/bbs/pt.cgi?room=zorimex";
/// The maker group's site, opened by the "Go to" banner.
inline constexpr const char* kMakerSite = "https://www.zrmx-kobo.example";

/// Starts the desktop's web browser on a URL; false when none could be started.
using ExternalBrowser = std::function<bool(const QUrl&)>;

/// Replaces the way pages are handed to the desktop's browser (QDesktopServices::openUrl unless
/// replaced) and returns the previous one. An empty function restores QDesktopServices.
ExternalBrowser SetExternalBrowser(ExternalBrowser browser);

/// Opens the bulletin board in a new external browser window; the failure when none opened.
std::optional<AppError> OpenBulletinBoard();
/// Opens the maker's site in a new external browser window; the failure when none opened.
std::optional<AppError> OpenMakerSite();

} // namespace zorimex::ui
