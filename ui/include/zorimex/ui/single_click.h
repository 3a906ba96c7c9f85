#pragma once
// What a click is for the picture and label controls that act on one (ClickableImage,
// ClickableLabel): a left press and release inside the control. The platform turns the second
// press of a double click into a press of its own; the release that ends it is not a second
// click, so one click is one action (one page, one currency).

#include <QMouseEvent>
#include <QWidget>

namespace zorimex::ui {

class SingleClick {
public:
    static void press(QMouseEvent* event) { event->setAccepted(event->button() == Qt::LeftButton); }

    /// True when this release completes a click on `control`.
    bool release(const QWidget& control, const QMouseEvent* event) {
        if (event->button() != Qt::LeftButton)
            return false;
        if (releaseEndsDoubleClick_) {
            releaseEndsDoubleClick_ = false;
            return false;
        }
        return control.rect().contains(event->position().toPoint());
    }

    void doubleClick(QMouseEvent* event) {
        // The double click's first click has already acted.
        const bool left = event->button() == Qt::LeftButton;
        releaseEndsDoubleClick_ = left;
        event->setAccepted(left);
    }

private:
    bool releaseEndsDoubleClick_ = false;
};

} // namespace zorimex::ui
