#pragma once
// Texts a user might type or paste into a field: amounts in every shape, separators, full-width
// forms from a Japanese input method, emoji, mangled bytes, NUL and very long pastes.

#include <QRandomGenerator>
#include <QString>

namespace zorimex::test {

enum class TextKind {
    Amount,      ///< something that reads as a number, or almost does
    Separators,  ///< blanks, signs, points, commas, exponent letters, in any order
    FullWidth,   ///< full-width digits, signs and the ideographic space
    Japanese,    ///< kana, kanji and the yen and dollar signs
    Emoji,       ///< characters outside the basic plane (surrogate pairs)
    BrokenBytes, ///< ill-formed UTF-8 decoded the way Qt decodes it
    Nul,         ///< NUL characters among digits
    Huge,        ///< 100 000 characters, as one paste
};

inline constexpr int kHugeTextLength = 100000;

struct RandomText {
    TextKind kind;
    QString text;
};

/// One random text; its kind is drawn first, then the text.
RandomText MakeRandomText(QRandomGenerator& random);

/// A short name of the kind, for logs.
const char* TextKindName(TextKind kind);

} // namespace zorimex::test
