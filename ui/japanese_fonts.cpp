#include "zorimex/ui/japanese_fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QRawFont>

#include <array>
#include <span>
#include <string>
#include <vector>

namespace zorimex::ui {
namespace {

struct FaceChoices {
    const char* storedFace;
    std::vector<const char*> preferred; // in order
};

// Monospaced for ＭＳ ゴシック (the breakdown digits line up), proportional for the P faces,
// a rounded display face for the pop-art title font. Windows has the MS faces (the Japanese
// supplemental fonts) and Meiryo and Yu Gothic/Mincho, but not the pop face; elsewhere the IPA
// faces and RocknRoll One stand in.
const std::array<FaceChoices, 4>& Choices() {
#ifdef Q_OS_WIN
    static const std::array<FaceChoices, 4> choices{{
        {"ＭＳ ゴシック", {"MS Gothic", "IPAGothic"}},
        {"ＭＳ Ｐゴシック", {"MS PGothic", "Meiryo", "Yu Gothic", "IPAPGothic"}},
        {"ＭＳ Ｐ明朝", {"MS PMincho", "Yu Mincho", "MS Mincho", "IPAPMincho"}},
        {"HG創英角ﾎﾟｯﾌﾟ体",
         {"HGSoeiKakupoptai", "RocknRoll One", "Meiryo", "Yu Gothic", "MS PGothic", "IPAPGothic"}},
    }};
#else
    static const std::array<FaceChoices, 4> choices{{
        {"ＭＳ ゴシック", {"IPAGothic"}},
        {"ＭＳ Ｐゴシック", {"IPAPGothic"}},
        {"ＭＳ Ｐ明朝", {"IPAPMincho"}},
        {"HG創英角ﾎﾟｯﾌﾟ体", {"RocknRoll One"}},
    }};
#endif
    return choices;
}

// The proportional Gothic face stands in for controls that set no font.
constexpr std::size_t kDefaultChoice = 1;

constexpr double kDefaultPointSize = 9.0;

QStringList ToStrings(const std::vector<const char*>& names) {
    QStringList strings;
    for (const char* name : names)
        strings << QString::fromUtf8(name);
    return strings;
}

} // namespace

QString ChooseJapaneseFamily(const QStringList& preferred, const QStringList& installed,
                             const std::function<bool(const QString&)>& hasJapanese) {
    for (const QString& family : preferred) {
        if (installed.contains(family, Qt::CaseInsensitive) && hasJapanese(family))
            return family;
    }
    for (const QString& family : installed) {
        if (hasJapanese(family))
            return family;
    }
    return preferred.value(0);
}

namespace {

struct FontStandIn {
    const char* storedFace; // as the window definitions store it
    const char* family;     // the installed family drawn instead
};

/// The stored faces and the families that stand in for them on this machine, chosen once.
std::span<const FontStandIn> FontStandIns() {
    // Kept for the program's lifetime: the stand-ins point into these.
    static const std::vector<std::string> families = [] {
        const QStringList installed = QFontDatabase::families();
        const auto hasJapanese = [](const QString& family) {
            if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese))
                return true;
            // A display face with the kana and the common kanji (RocknRoll One) is not declared
            // as Japanese; what counts is that it draws what the windows write.
            const QRawFont raw = QRawFont::fromFont(QFont(family));
            if (!raw.isValid())
                return false;
            for (const QChar character : QStringLiteral("円あア万千"))
                if (!raw.supportsCharacter(character))
                    return false;
            return true;
        };
        std::vector<std::string> chosen;
        for (const FaceChoices& face : Choices())
            chosen.push_back(ChooseJapaneseFamily(ToStrings(face.preferred), installed, hasJapanese)
                                 .toStdString());
        return chosen;
    }();
    static const std::vector<FontStandIn> standIns = [] {
        std::vector<FontStandIn> list;
        for (std::size_t i = 0; i < Choices().size(); ++i)
            list.push_back({Choices()[i].storedFace, families[i].c_str()});
        return list;
    }();
    return standIns;
}

/// The family of the toolkit default font, used by controls that set no font.
QString DefaultFamily() {
    return QString::fromUtf8(FontStandIns()[kDefaultChoice].family);
}

} // namespace

void InstallJapaneseFonts() {
    for (const auto& standIn : FontStandIns()) {
        // The second choice keeps Japanese glyphs when the preferred family is missing.
        QFont::insertSubstitutions(QString::fromUtf8(standIn.storedFace),
                                   {QString::fromUtf8(standIn.family), DefaultFamily()});
    }
    QFont font(DefaultFamily());
    font.setPointSizeF(kDefaultPointSize);
    QApplication::setFont(font);
}

} // namespace zorimex::ui
