#pragma once
// The window definitions store the font faces of a Japanese Windows desktop. This maps each to an
// installed family with the same role, so every caption renders with Japanese glyphs: the stored
// face itself where Windows has it, else a family of the same kind, else any Japanese family.

#include <QString>
#include <QStringList>

#include <functional>

namespace zorimex::ui {

/// The first of preferred that is installed and has Japanese glyphs; else the first installed
/// family with Japanese glyphs; else (nothing Japanese installed) the first of preferred.
QString ChooseJapaneseFamily(const QStringList& preferred, const QStringList& installed,
                             const std::function<bool(const QString&)>& hasJapanese);

/// Installs the stand-ins and a Japanese application font. Call once, after QApplication exists
/// and before the first window is created.
void InstallJapaneseFonts();

} // namespace zorimex::ui
