#include "zorimex/ui/picture_button.h"

#include <QPainter>
#include <qdrawutil.h>

namespace zorimex::ui {
namespace {

// The classic 3D bevel is two pixels on each side; the caption keeps clear of it.
constexpr int kBevel = 2;
constexpr int kCaptionMargin = 1;

} // namespace

PictureButton::PictureButton(QWidget* parent) : QPushButton(parent) {
    // Enter presses the focused button even though no window here is a dialog.
    setAutoDefault(true);
}

void PictureButton::setPicture(const QString& path) {
    picture_.load(path, *this);
    // The caption's colour is judged on the picture as defined, whatever the screen's density.
    face_ = path.isEmpty() ? QImage() : QImage(path);
    update();
}

PictureButton::CaptionLayout PictureButton::captionLayout() const {
    const QRect area = rect().adjusted(kBevel + kCaptionMargin, kBevel + kCaptionMargin,
                                       -(kBevel + kCaptionMargin), -(kBevel + kCaptionMargin));
    const QFontMetrics metrics(font());
    int flags = Qt::AlignCenter | Qt::TextWordWrap;
    QRect needed = metrics.boundingRect(area, flags, text());
    // Japanese captions have no spaces; when the line breaker still leaves a line too wide,
    // break anywhere rather than clip.
    if (needed.width() > area.width()) {
        flags = Qt::AlignCenter | Qt::TextWrapAnywhere;
        needed = metrics.boundingRect(area, flags, text());
    }
    // Balance the lines: the narrowest width that needs no more lines than the full width does
    // gives "もっと" over "正確！" rather than a long first line and a short second one.
    int width = needed.width();
    while (width > 1) {
        const QRect narrower = metrics.boundingRect(
            QRect(area.x(), area.y(), width - 1, area.height()), flags, text());
        if (narrower.height() > needed.height() || narrower.width() > width - 1)
            break;
        --width;
    }
    const QRect balanced((area.width() - width) / 2 + area.x(), area.y(), width, area.height());
    return {balanced, metrics.boundingRect(balanced, flags, text()), flags};
}

bool PictureButton::captionOverLightPicture() const {
    if (face_.isNull() || text().isEmpty())
        return false;
    const QPoint corner((width() - face_.width()) / 2, (height() - face_.height()) / 2);
    const QRect behind = captionLayout().needed.translated(-corner).intersected(face_.rect());
    double lightness = 0;
    int samples = 0;
    for (int y = behind.top(); y <= behind.bottom(); y += 2) {
        for (int x = behind.left(); x <= behind.right(); x += 2) {
            lightness += face_.pixelColor(x, y).lightnessF();
            ++samples;
        }
    }
    return samples > 0 && lightness / samples > 0.6;
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = isDown() || isChecked();
    const QPoint pressShift = sunken ? QPoint(1, 1) : QPoint(0, 0);

    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (!pixmap().isNull()) {
        const QSize shown = pixmap().deviceIndependentSize().toSize();
        const QPoint corner((width() - shown.width()) / 2, (height() - shown.height()) / 2);
        painter.drawPixmap(corner + pressShift, pixmap());
    }
    qDrawWinButton(&painter, rect(), palette(), sunken, nullptr);

    if (!text().isEmpty()) {
        const CaptionLayout layout = captionLayout();
        const QRect area = layout.area.translated(pressShift);
        painter.setFont(font());
        if (!pixmap().isNull()) {
            // Over a picture the caption takes the opposite of what lies behind it, with a soft
            // shadow, so it stays readable on every part of a gradient face.
            const bool light = captionOverLightPicture();
            painter.setPen(light ? QColor(255, 255, 255, 200) : QColor(0, 0, 0, 200));
            painter.drawText(area.translated(1, 1), layout.flags, text());
            painter.setPen(light ? Qt::black : Qt::white);
        } else {
            painter.setPen(palette().color(QPalette::ButtonText));
        }
        painter.drawText(area, layout.flags, text());
    }

    if (hasFocus()) {
        const QRect focusFrame = rect().adjusted(3, 3, -4, -4).translated(pressShift);
        painter.setPen(QPen(pixmap().isNull() ? Qt::black : Qt::white, 1, Qt::DotLine));
        painter.drawRect(focusFrame);
    }
}

} // namespace zorimex::ui
