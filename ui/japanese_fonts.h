#pragma once
// The window definitions store the font faces of a Japanese Windows desktop. This maps each to an
// installed family with the same role, so every caption renders with Japanese glyphs: the stored
// face itself where Windows has it, else a family of the same kind, else any Japanese family.

#include <QString>
#include <QStringList>

#include <functional>
#include <span>

namespace zorimex::ui {

struct FontStandIn {
    const char* storedFace; // as the window definitions store it
    const char* family;     // the installed family drawn instead
};

/// The stored faces and the families that stand in for them on this machine. Needs the
/// application object; chosen once.
std::span<const FontStandIn> FontStandIns();

/// The family of the toolkit default font, used by controls that set no font.
QString DefaultFamily();

/// The first of preferred that is installed and has Japanese glyphs; else the first installed
/// family with Japanese glyphs; else (nothing Japanese installed) the first of preferred.
QString ChooseJapaneseFamily(const QStringList& preferred, const QStringList& installed,
                             const std::function<bool(const QString&)>& hasJapanese);

/// Installs the stand-ins and a Japanese application font. Call once, after QApplication exists
/// and before the first window is created.
void InstallJapaneseFonts();

} // namespace zorimex::ui
