#pragma once
// An image control: a picture drawn unscaled at the top-left and clipped, which reports a click.
// What it opens must be reachable without a mouse, so it takes the focus by Tab (after the
// window's designed chain), shows a focus frame, is pressed with Space or Enter, and is a link
// with a press action to assistive technology.

#include "zorimex/ui/design_picture.h"
#include "zorimex/ui/single_click.h"

#include <QString>
#include <QWidget>

namespace zorimex::ui {

class ClickableImage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)

public:
    explicit ClickableImage(QWidget* parent = nullptr);

    QString picture() const { return picture_.path(); }
    void setPicture(const QString& path);
    const QPixmap& pixmap() const { return picture_.pixmap(); }

    /// Makes screen readers present every clickable image as a link they can press. Call once
    /// the application object exists.
    static void installAccessibility();

signals:
    /// A click (SingleClick), Space or Enter while it has the focus, or the press action of
    /// assistive technology.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    SingleClick click_;
    DesignPicture picture_;
};

} // namespace zorimex::ui
