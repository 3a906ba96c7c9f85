#pragma once
// The window definitions store the font faces of a Japanese Windows desktop. This maps each to an
// installed family with the same role, so every caption renders with Japanese glyphs.

namespace zorimex::ui {

/// Installs the stand-ins and a Japanese application font. Call once, after QApplication exists
/// and before the first window is created.
void InstallJapaneseFonts();

} // namespace zorimex::ui
