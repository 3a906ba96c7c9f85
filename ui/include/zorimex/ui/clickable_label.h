#pragma once
// A label that reports a click. It is one of a list the user chooses from, so it can also be
// reached with Tab and pressed with Space or Enter, and assistive technology sees a button with a
// press action.

#include "zorimex/ui/caption_label.h"
#include "zorimex/ui/single_click.h"

namespace zorimex::ui {

class ClickableLabel : public CaptionLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    /// Makes screen readers present every clickable label as a button they can press. Call once
    /// the application object exists.
    static void installAccessibility();

signals:
    /// A click (SingleClick), Space or Enter while it has the focus, or the press action of
    /// assistive technology.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    SingleClick click_;
};

} // namespace zorimex::ui
