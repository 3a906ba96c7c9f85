#pragma once
// An image control: a picture drawn unscaled at the top-left and clipped, which reports a click.
// Like a label it has no window of its own in the design, so it never takes the focus.

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

signals:
    /// Left button pressed and released inside the image.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The platform turns the second press of a double click into a press of its own; its
    // release is not another click.
    SingleClick click_;
    DesignPicture picture_;
};

} // namespace zorimex::ui
