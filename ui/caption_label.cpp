#include "zorimex/ui/caption_label.h"

#include <QPainter>
#include <QTextLayout>

#include <algorithm>

namespace zorimex::ui {
namespace {

QStringList Wrap(const QString& text, const QFont& font, qreal width) {
    QStringList lines;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
        if (paragraph.isEmpty())
            lines << QString();
    }
    return lines;
}

} // namespace

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
}

CaptionLabel::Fit CaptionLabel::fit() const {
    const QFontMetricsF metrics(font());
    const QRectF area = contentsRect();
    Fit result;
    result.lineHeight = metrics.lineSpacing();
    // Room for less than two lines: the caption is one line (what follows a line break is
    // never seen), narrowed when it is wider than the label.
    if (!wordWrap() || area.height() < 1.5 * metrics.lineSpacing()) {
        result.lines << text().section(QLatin1Char('\n'), 0, 0);
        result.lineHeight = std::min(result.lineHeight, area.height());
        const qreal natural = metrics.horizontalAdvance(result.lines.front());
        if (natural > area.width() && natural > 0)
            result.horizontalScale = area.width() / natural;
        return result;
    }
    result.lines = Wrap(text(), font(), area.width());
    while (result.lines.size() > 1 && result.lines.back().isEmpty())
        result.lines.removeLast();
    const qreal needed = result.lineHeight * static_cast<qreal>(result.lines.size());
    if (needed > area.height())
        result.lineHeight = area.height() / static_cast<qreal>(result.lines.size());
    return result;
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    if (textFormat() == Qt::RichText || text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));

    const Fit layout = fit();
    const QFontMetricsF metrics(font());
    const QRectF area = contentsRect();
    const qreal blockHeight = layout.lineHeight * static_cast<qreal>(layout.lines.size());
    qreal top = area.top();
    if (alignment() & Qt::AlignVCenter)
        top += (area.height() - blockHeight) / 2;
    else if (alignment() & Qt::AlignBottom)
        top += area.height() - blockHeight;

    for (const QString& line : layout.lines) {
        const qreal width = metrics.horizontalAdvance(line) * layout.horizontalScale;
        qreal left = area.left();
        if (alignment() & Qt::AlignHCenter)
            left += std::max<qreal>(0, (area.width() - width) / 2);
        else if (alignment() & Qt::AlignRight)
            left += std::max<qreal>(0, area.width() - width);
        const qreal baseline = top + (layout.lineHeight - metrics.height()) / 2 + metrics.ascent();
        painter.save();
        painter.translate(left, baseline);
        painter.scale(layout.horizontalScale, 1.0);
        painter.drawText(QPointF(0, 0), line);
        painter.restore();
        top += layout.lineHeight;
    }
}

} // namespace zorimex::ui
