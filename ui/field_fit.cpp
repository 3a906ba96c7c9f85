#include "field_fit.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace zorimex::ui {
namespace {

// QLineEdit keeps this much room between its contents rectangle and the text on either side,
// and one pixel behind the text for the cursor.
constexpr int kInnerMargin = 2;
constexpr int kCursorWidth = 1;
constexpr int kNarrowestStretch = 75;

int RoomForText(const QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, field)
                                         : 0;
    const QRect contents =
        field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    return contents.marginsRemoved(field->textMargins()).width() - 2 * kInnerMargin - kCursorWidth;
}

int StretchToFit(const QFont& designed, const QString& text, int room) {
    const qreal needed = QFontMetricsF(designed).horizontalAdvance(text);
    if (needed <= room || needed <= 0)
        return 100;
    // Stretch steps are whole percent: round down so the narrowed text is within the room.
    int stretch = std::max(static_cast<int>(std::floor(100.0 * room / needed)), kNarrowestStretch);
    // A hinting font engine (Windows') rounds each narrowed letter's advance to whole pixels, so
    // the text may come out wider than the proportion says: measure, and narrow further.
    QFont narrowed = designed;
    for (; stretch > kNarrowestStretch; --stretch) {
        narrowed.setStretch(stretch);
        if (QFontMetricsF(narrowed).horizontalAdvance(text) <= room)
            break;
    }
    return stretch;
}

} // namespace

void NarrowTextToFit(QLineEdit* field) {
    const QFont designed = field->font();
    const auto fit = [field, designed] {
        QFont font = designed;
        const int stretch = StretchToFit(designed, field->text(), RoomForText(field));
        if (stretch != 100)
            font.setStretch(stretch);
        if (font != field->font())
            field->setFont(font);
    };
    QObject::connect(field, &QLineEdit::textChanged, field, fit);
    fit();
}

} // namespace zorimex::ui
