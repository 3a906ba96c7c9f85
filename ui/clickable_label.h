#pragma once
// A label that reports a click. It never takes the keyboard focus.

#include "caption_label.h"

namespace zorimex::ui {

class ClickableLabel : public CaptionLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    /// Left button pressed and released inside the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zorimex::ui
