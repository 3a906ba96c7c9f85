#pragma once
// The window definitions store the font faces of a Japanese Windows desktop. This maps each to an
// installed family with the same role, so every caption renders with Japanese glyphs.

#include <QString>

#include <span>

namespace zorimex::ui {

struct FontStandIn {
    const char* storedFace; // as the window definitions store it
    const char* family;     // the installed family drawn instead
};

/// The stored faces and the families that stand in for them.
std::span<const FontStandIn> FontStandIns();

/// The family of the toolkit default font, used by controls that set no font.
QString DefaultFamily();

/// Installs the stand-ins and a Japanese application font. Call once, after QApplication exists
/// and before the first window is created.
void InstallJapaneseFonts();

} // namespace zorimex::ui
