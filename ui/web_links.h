#pragma once
// The three pages the program points at. They are opened, never read.

namespace zorimex::ui {

/// The author's latest-version page, shown in the main window's browser pane.
inline constexpr const char* kLatestVersionPage = "https://home.zrmx.example/~reida/";
/// The feedback bulletin board, opened by the 感想・要望 banner.
inline constexpr const char* kBulletinBoard = "https://bbs.zrmx.example/bbs/pt.cgi?room=zorimex";
/// The maker group's site, opened by the "Go to" banner.
inline constexpr const char* kMakerSite = "https://www.zrmx-kobo.example";

/// Opens the bulletin board in a new external browser window.
void OpenBulletinBoard();
/// Opens the maker's site in a new external browser window.
void OpenMakerSite();

} // namespace zorimex::ui
