#pragma once
// A window's client area or a picture pane: a back colour with a picture drawn unscaled at the
// top-left corner and clipped, so enlarging the window shows more back colour and moves nothing.

#include "zorimex/ui/design_picture.h"

#include <QFrame>
#include <QString>

namespace zorimex::ui {

class PictureSurface : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(QString backColor READ backColor WRITE setBackColor)

public:
    explicit PictureSurface(QWidget* parent = nullptr);

    /// Resource path of the picture (empty: none).
    QString picture() const { return picture_.path(); }
    void setPicture(const QString& path);
    const QPixmap& pixmap() const { return picture_.pixmap(); }

    /// "#RRGGBB" or a system colour name; empty means the button-face colour.
    QString backColor() const { return backColor_; }
    void setBackColor(const QString& colour);
    QColor resolvedBackColor() const;

    /// Keeps the decorative lines drawn on a surface out of what screen readers present. Call
    /// once the application object exists.
    static void installAccessibility();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DesignPicture picture_;
    QString backColor_;
};

} // namespace zorimex::ui
