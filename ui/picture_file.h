#pragma once
// The windows' pictures come in two densities: as defined, and drawn again at twice the size
// with a "@2x" name (Qt's convention) for screens that show two device pixels per pixel.

#include <QPixmap>
#include <QString>

namespace zorimex::ui {

/// The picture at `path` for a screen with `devicePixelRatio`: above 1, its "@2x" version (shown
/// at the same size, twice as sharp) where there is one; otherwise the picture itself. A screen
/// at 1x never reads the "@2x" files.
QPixmap LoadPicture(const QString& path, qreal devicePixelRatio);

} // namespace zorimex::ui
