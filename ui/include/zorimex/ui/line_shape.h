#pragma once
// A straight line drawn on its window, given by its two end points in the parent's coordinates.
// It sizes itself to the line's bounding box (widened by the pen), lets clicks through and never
// takes the focus.

#include <QPoint>
#include <QWidget>

namespace zorimex::ui {

class LineShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPoint start READ start WRITE setStart)
    Q_PROPERTY(QPoint end READ end WRITE setEnd)
    Q_PROPERTY(int lineWidth READ lineWidth WRITE setLineWidth)

public:
    explicit LineShape(QWidget* parent = nullptr);

    QPoint start() const { return start_; }
    void setStart(QPoint point);
    QPoint end() const { return end_; }
    void setEnd(QPoint point);
    int lineWidth() const { return lineWidth_; }
    void setLineWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitGeometry();

    QPoint start_;
    QPoint end_;
    int lineWidth_ = 1;
};

} // namespace zorimex::ui
