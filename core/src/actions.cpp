#include "zorimex/actions.h"

#include "zorimex/number_text.h"

#include <cmath>
#include <optional>
#include <string>

namespace zorimex {

// Every action runs continue-on-failure. Each step computes a value that is empty once anything
// in it failed (an unreadable text, an overflowing or invalid result) and writes its target as
// its last act, only when the value is there; the action then goes on with its next step.
namespace {

using Number = std::optional<double>;
using Text = std::optional<std::string>;

Number Checked(double result) {
    return std::isfinite(result) ? Number(result) : std::nullopt;
}

Number Times(Number a, Number b) {
    return a && b ? Checked(*a * *b) : std::nullopt;
}

Number Minus(Number a, Number b) {
    return a && b ? Checked(*a - *b) : std::nullopt;
}

Text AsText(Number n) {
    return n ? Text(NumberText(*n)) : std::nullopt;
}

/// The difference of two texts, as text.
Text Difference(const std::string& a, const std::string& b) {
    return AsText(Minus(ReadNumber(a), ReadNumber(b)));
}

/// The step's last act: write the target, or leave it as it was when the step failed.
template <class T> void Write(T& target, std::optional<T> value) {
    if (value)
        target = std::move(*value);
}

/// Halves move away from zero: 13.5 -> 14, -27.5 -> -28, -0.3 -> 0.
double RoundHalfAwayFromZero(double x) {
    const double sign = x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
    return std::trunc(x + sign * 0.5);
}

constexpr double kDollarTax = 1.08;
constexpr double kYenTax = 1.05;

} // namespace

void Convert(Fields& f) {
    using enum Field;
    double rounded = 0;        // the exact amount read back from Text9, then rounded to whole yen
    std::string lastFour;      // the last four characters of the rounded amount's text
    std::string thousandsPart; // the thousands digit times one thousand, as text

    // Steps 1 and 2: the exact amount, computed twice from the inputs rather than copied.
    Write(f[Text11], AsText(Times(ReadNumber(f[Text1]), ReadNumber(f[Text5]))));
    Write(f[Text9], AsText(Times(ReadNumber(f[Text1]), ReadNumber(f[Text5]))));
    // Steps 3 to 5: the exact amount is taken back from its 15-digit text, then rounded.
    Write(rounded, ReadNumber(f[Text9]));
    rounded = RoundHalfAwayFromZero(rounded);
    Write(f[Text10], AsText(rounded));
    // Steps 6 to 11: the breakdown comes from the characters of the rounded amount, not from
    // division.
    f[Text3] = RightChars(f[Text10], 3);
    lastFour = RightChars(f[Text10], 4);
    Write(thousandsPart, Difference(lastFour, RightChars(f[Text10], 3)));
    Write(f[Text7], AsText(Times(ReadNumber(thousandsPart), 0.001)));
    Write(f[Text10], Difference(f[Text10], RightChars(f[Text10], 4)));
    Write(f[Text8], AsText(Times(ReadNumber(f[Text10]), 0.0001)));
    // Step 12 compares the exact amount: 999.5 to 1000 rounds up to 1000 yet has no thousands
    // digit. A test that cannot be read counts as true.
    const std::optional<double> exact = ReadNumber(f[Text9]);
    if (!exact || *exact < 1000)
        f[Text7] = "0";
}

void DollarWithTax(Fields& f) {
    using enum Field;
    Write(f[Text2], AsText(Times(ReadNumber(f[Text1]), kDollarTax)));
}

void YenWithTax(Fields& f) {
    using enum Field;
    const std::string man = f[Text8];
    const std::string sen = f[Text7];
    const Text yen = AsText(Times(ReadNumber(f[Text3]), kYenTax));
    // 万 and 千 are joined as they stand; only the yen below one thousand carry the tax.
    Write(f[Text4], yen ? Text(man + sen + *yen) : std::nullopt);
}

Message ExactAmountMessage(const Fields& f) {
    return {f[Field::Text11] + kYenUnit, kApplicationTitle};
}

std::optional<FieldAction> ActionForControl(std::string_view controlName) {
    if (controlName == "Command1")
        return &Convert;
    if (controlName == "Command2")
        return &DollarWithTax;
    if (controlName == "Command3")
        return &YenWithTax;
    return std::nullopt;
}

} // namespace zorimex
