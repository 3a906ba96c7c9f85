#pragma once
// A push button whose face shows a picture, centred and clipped, with its caption over it.
// The face colour is the palette's Button colour (the definition's back colour).

#include "zorimex/ui/design_picture.h"

#include <QImage>
#include <QPushButton>
#include <QString>

namespace zorimex::ui {

class PictureButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)

public:
    explicit PictureButton(QWidget* parent = nullptr);

    /// Resource path of the face picture (empty: a plain face in the back colour).
    QString picture() const { return picture_.path(); }
    void setPicture(const QString& path);
    const QPixmap& pixmap() const { return picture_.pixmap(); }

    /// Where the caption goes and how it breaks: the rectangle the wrapped caption needs and
    /// the QPainter text flags that produce it. Exposed so a test can check nothing is clipped.
    struct CaptionLayout {
        QRect area;
        QRect needed;
        int flags;
    };
    CaptionLayout captionLayout() const;

    /// Whether the part of the face picture behind the caption is light, so the caption is
    /// drawn dark (otherwise white). False without a picture.
    bool captionOverLightPicture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DesignPicture picture_;
    QImage face_; // the picture as pixels, for judging what lies behind the caption
};

} // namespace zorimex::ui
