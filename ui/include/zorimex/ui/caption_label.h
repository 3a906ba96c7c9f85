#pragma once
// A label that always shows its whole caption within its rectangle, as the desktop the windows
// were designed on did with its tighter font metrics: a label one line high narrows a caption
// that is too wide instead of wrapping it out of sight, and a taller label closes up its lines
// when the wrapped caption would overflow the bottom edge.

#include <QLabel>
#include <QStringList>

namespace zorimex::ui {

class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    /// How the caption is laid out in the label.
    struct Fit {
        QStringList lines;           // the visual lines, top to bottom
        qreal lineHeight = 0;        // distance between baselines
        qreal horizontalScale = 1.0; // below 1 when a one-line caption is narrowed
    };
    Fit fit() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zorimex::ui
