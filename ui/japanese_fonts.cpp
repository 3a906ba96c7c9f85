#include "japanese_fonts.h"

#include <QApplication>
#include <QFont>

#include <array>

namespace zorimex::ui {
namespace {

struct FontStandIn {
    const char* storedFace; // as the window definitions store it
    const char* family;     // the installed family drawn instead
};

// Monospaced for ＭＳ ゴシック (the breakdown digits line up), proportional for the P faces,
// a rounded display face for the pop-art title font.
const std::array<FontStandIn, 4> kStandIns{{
    {"ＭＳ ゴシック", "IPAGothic"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"HG創英角ﾎﾟｯﾌﾟ体", "RocknRoll One"},
}};

constexpr double kDefaultPointSize = 9.0;

// The family of the toolkit default font, used by controls that set no font.
QString DefaultFamily() {
    return QStringLiteral("IPAPGothic");
}

} // namespace

void InstallJapaneseFonts() {
    for (const auto& standIn : kStandIns) {
        // The second choice keeps Japanese glyphs when the preferred family is missing.
        QFont::insertSubstitutions(QString::fromUtf8(standIn.storedFace),
                                   {QString::fromUtf8(standIn.family), DefaultFamily()});
    }
    QFont font(DefaultFamily());
    font.setPointSizeF(kDefaultPointSize);
    QApplication::setFont(font);
}

} // namespace zorimex::ui
