#pragma once
// The picture a window definition names for a control: the resource path as written, and the
// pixels shown for the screen the control is on. Every picture comes in two densities: as
// defined, and drawn again at twice the size with a "@2x" name (Qt's convention) for screens
// that show two device pixels per pixel.

#include <QPixmap>
#include <QString>

class QWidget;

namespace zorimex::ui {

class DesignPicture {
public:
    /// The resource path as the definition wrote it (empty: no picture).
    QString path() const { return path_; }
    /// What is drawn, at its device pixel ratio; null without a picture.
    const QPixmap& pixmap() const { return pixmap_; }

    /// Takes `path` and loads it for the screen `control` is on: above 1 device pixel per pixel,
    /// its "@2x" version (shown at the same size, twice as sharp) where there is one; otherwise
    /// the picture itself. A screen at 1x never reads the "@2x" files.
    void load(const QString& path, const QWidget& control);

private:
    QString path_;
    QPixmap pixmap_;
};

} // namespace zorimex::ui
