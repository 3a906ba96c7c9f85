#include "random_text.h"

#include <QByteArray>
#include <QStringList>

#include <array>

namespace zorimex::test {
namespace {

QString Pick(QRandomGenerator& random, const QStringList& choices) {
    return choices.at(random.bounded(static_cast<int>(choices.size())));
}

QString Digits(QRandomGenerator& random, int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(u'0' + random.bounded(10));
    return text;
}

QString Amount(QRandomGenerator& random) {
    QString text;
    if (random.bounded(4) == 0)
        text += Pick(random, {QStringLiteral(" "), QStringLiteral("\t"), QStringLiteral("  ")});
    if (random.bounded(4) == 0)
        text += Pick(random, {QStringLiteral("-"), QStringLiteral("+")});
    QString whole = Digits(random, 1 + random.bounded(random.bounded(5) == 0 ? 25 : 7));
    if (random.bounded(4) == 0) // digit-group separators, in the right places or not
        for (qsizetype at = whole.size() - 1 - random.bounded(3); at > 0;
             at -= 1 + random.bounded(3))
            whole.insert(at, QLatin1Char(','));
    text += whole;
    if (random.bounded(2) == 0)
        text += QLatin1Char('.') + Digits(random, random.bounded(8));
    if (random.bounded(6) == 0)
        text += Pick(random, {QStringLiteral("E"), QStringLiteral("e")}) +
                Pick(random, {QString(), QStringLiteral("+"), QStringLiteral("-")}) +
                QString::number(random.bounded(random.bounded(3) == 0 ? 400 : 20));
    if (random.bounded(4) == 0)
        text += Pick(random, {QStringLiteral(" "), QStringLiteral("円"), QStringLiteral("$"),
                              QStringLiteral("\t")});
    return text;
}

QString FromPieces(QRandomGenerator& random, const QStringList& pieces, int most) {
    QString text;
    const int count = 1 + random.bounded(most);
    for (int i = 0; i < count; ++i)
        text += Pick(random, pieces);
    return text;
}

QString BrokenBytes(QRandomGenerator& random) {
    static const std::array<QByteArray, 8> broken = {
        QByteArray("\xff"),     QByteArray("\xc3"),
        QByteArray("\xe3\x81"), QByteArray("\xed\xa0\x80"),
        QByteArray("\xf8\x88"), QByteArray("\xc0\xaf"),
        QByteArray("\x80\x80"), QByteArray("\xf4\x90\x80\x80")};
    QByteArray bytes;
    const int count = 1 + random.bounded(6);
    for (int i = 0; i < count; ++i) {
        bytes += random.bounded(2) == 0
                     ? broken.at(random.bounded(static_cast<quint32>(broken.size())))
                     : Digits(random, 1 + random.bounded(3)).toLatin1();
    }
    return QString::fromUtf8(bytes);
}

QString Huge(QRandomGenerator& random) {
    QString text;
    text.reserve(kHugeTextLength);
    switch (random.bounded(4)) {
    case 0: // one enormous number
        text = QString(kHugeTextLength, QLatin1Char('9'));
        break;
    case 1: // a number with a point somewhere in the middle
        text = Digits(random, kHugeTextLength);
        text[random.bounded(kHugeTextLength)] = QLatin1Char('.');
        break;
    case 2: // digits and separators
        while (text.size() < kHugeTextLength)
            text += Digits(random, 3) + QLatin1Char(',');
        text.truncate(kHugeTextLength);
        break;
    default: // a mixture of everything, whole characters only
        while (text.size() < kHugeTextLength)
            text += FromPieces(random,
                               {QStringLiteral("１"), QStringLiteral("円"), QStringLiteral("💴"),
                                QStringLiteral("7"), QStringLiteral("."), QString(QChar(0))},
                               8);
        if (text.at(kHugeTextLength - 1).isHighSurrogate())
            text.truncate(kHugeTextLength - 1);
        else
            text.truncate(kHugeTextLength);
        break;
    }
    return text;
}

} // namespace

RandomText MakeRandomText(QRandomGenerator& random) {
    const int draw = random.bounded(100);
    if (draw < 40)
        return {TextKind::Amount, Amount(random)};
    if (draw < 52)
        return {TextKind::Separators,
                FromPieces(random,
                           {QStringLiteral(" "), QStringLiteral(","), QStringLiteral("."),
                            QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("E"),
                            QStringLiteral("e"), QStringLiteral("\t"), QStringLiteral("1")},
                           8)};
    if (draw < 64)
        return {TextKind::FullWidth,
                FromPieces(random,
                           {QStringLiteral("１"), QStringLiteral("２"), QStringLiteral("０"),
                            QStringLiteral("９"), QStringLiteral("．"), QStringLiteral("，"),
                            QStringLiteral("－"), QStringLiteral("＋"), QStringLiteral("　"),
                            QStringLiteral("Ｅ"), QStringLiteral("5")},
                           10)};
    if (draw < 72)
        return {TextKind::Japanese,
                FromPieces(random,
                           {QStringLiteral("円"), QStringLiteral("ドル"), QStringLiteral("万"),
                            QStringLiteral("千"), QStringLiteral("￥"), QStringLiteral("＄"),
                            QStringLiteral("¥"), QStringLiteral("12")},
                           6)};
    if (draw < 80)
        return {TextKind::Emoji,
                FromPieces(random,
                           {QStringLiteral("💴"), QStringLiteral("😀"), QStringLiteral("🇯🇵"),
                            QStringLiteral("👍🏽"), QStringLiteral("3")},
                           5)};
    if (draw < 88)
        return {TextKind::BrokenBytes, BrokenBytes(random)};
    if (draw < 95) {
        QString text = Digits(random, 1 + random.bounded(4));
        text.insert(random.bounded(static_cast<int>(text.size()) + 1), QChar(0));
        return {TextKind::Nul, text};
    }
    return {TextKind::Huge, Huge(random)};
}

const char* TextKindName(TextKind kind) {
    switch (kind) {
    case TextKind::Amount:
        return "amount";
    case TextKind::Separators:
        return "separators";
    case TextKind::FullWidth:
        return "full-width";
    case TextKind::Japanese:
        return "Japanese";
    case TextKind::Emoji:
        return "emoji";
    case TextKind::BrokenBytes:
        return "broken bytes";
    case TextKind::Nul:
        return "NUL";
    case TextKind::Huge:
        return "100 000 characters";
    }
    return "?";
}

} // namespace zorimex::test
