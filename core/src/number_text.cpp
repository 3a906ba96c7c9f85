#include "zorimex/number_text.h"

#include "zorimex/utf8.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace zorimex {

// The form of an amount that ReadNumber accepts:
//
//   amount   := blank* sign? mantissa exponent? blank*
//   blank    := " " | TAB | U+3000 (ideographic space)
//   sign     := "+" | "-"
//   mantissa := whole ("." digit*)? | "." digit+
//   whole    := digit+ ("," + digit+)*        digit-group separators, ignored wherever they stand
//   exponent := ("E" | "e") sign? digit+
//   digit    := "0".."9"
//
// A Japanese input method types full-width forms, so U+FF10..U+FF19, "．" "，" "＋" "－" "Ｅ" "ｅ"
// read as their ASCII counterparts and U+2212 MINUS SIGN reads as "-". Any other character,
// anywhere, fails the read ("12.5円" included). The value is the double nearest to the decimal
// value; one too large for a double fails; one too small for a double reads as zero.

namespace {

// The ASCII character a code point stands for in an amount, or 0 when it stands for none.
constexpr char AmountChar(char32_t c) noexcept {
    if (c < 0x80)
        return static_cast<char>(c);
    if (c >= 0xFF10 && c <= 0xFF19)
        return static_cast<char>('0' + (c - 0xFF10));
    switch (c) {
    case 0xFF0E:
        return '.';
    case 0xFF0C:
        return ',';
    case 0xFF0B:
        return '+';
    case 0xFF0D: // full-width hyphen-minus
    case 0x2212: // minus sign
        return '-';
    case 0xFF25:
        return 'E';
    case 0xFF45:
        return 'e';
    case 0x3000:
        return ' ';
    default:
        return 0;
    }
}

constexpr bool IsDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}
constexpr bool IsBlank(char c) noexcept {
    return c == ' ' || c == '\t';
}

// Characters for std::from_chars: on the stack for any amount a person types, on the heap only
// for the rare text longer than that.
class ScanBuffer {
public:
    void push_back(char c) {
        if (size_ < kInline) {
            inline_[size_++] = c;
            return;
        }
        if (heap_.empty())
            heap_.assign(inline_.data(), size_);
        heap_.push_back(c);
        ++size_;
    }
    const char* data() const { return size_ <= kInline ? inline_.data() : heap_.data(); }
    std::size_t size() const { return size_; }

private:
    static constexpr std::size_t kInline = 128;
    std::array<char, kInline> inline_{};
    std::string heap_;
    std::size_t size_ = 0;
};

// Scans an amount character by character, keeping in `out` only what std::from_chars reads:
// sign "-", digits, ".", "e", exponent sign and digits. Also tracks the decimal exponent of the
// first significant digit, which tells an overflow from an underflow when from_chars refuses.
class AmountScanner {
public:
    explicit AmountScanner(std::string_view text) : text_(text) {}

    bool scan(ScanBuffer& out) {
        char c = next();
        while (IsBlank(c))
            c = next();
        if (c == '+' || c == '-') {
            negative_ = c == '-';
            c = next();
        }
        if (negative_)
            out.push_back('-');

        std::size_t wholeDigits = 0;
        while (IsDigit(c)) {
            noteDigit(c, /*inFraction=*/false);
            out.push_back(c);
            ++wholeDigits;
            c = next();
            if (c == ',') {
                while (c == ',')
                    c = next();
                if (!IsDigit(c))
                    return false; // a separator must stand between digits
            }
        }
        std::size_t fractionDigits = 0;
        if (c == '.') {
            out.push_back('.');
            c = next();
            while (IsDigit(c)) {
                noteDigit(c, /*inFraction=*/true);
                out.push_back(c);
                ++fractionDigits;
                c = next();
            }
        }
        if (wholeDigits + fractionDigits == 0)
            return false;
        if (c == 'E' || c == 'e') {
            out.push_back('e');
            c = next();
            bool exponentNegative = false;
            if (c == '+' || c == '-') {
                exponentNegative = c == '-';
                if (exponentNegative)
                    out.push_back('-');
                c = next();
            }
            if (!IsDigit(c))
                return false;
            long long exponent = 0;
            while (IsDigit(c)) {
                if (exponent < kExponentCap)
                    exponent = exponent * 10 + (c - '0');
                out.push_back(c);
                c = next();
            }
            explicitExponent_ = exponentNegative ? -exponent : exponent;
        }
        while (IsBlank(c))
            c = next();
        return c == kEnd;
    }

    bool negative() const { return negative_; }
    bool allZero() const { return !seenNonZero_; }
    /// Decimal exponent of the first significant digit (meaningful unless allZero()).
    long long leadingExponent() const { return leadingExponent_ + explicitExponent_; }

private:
    static constexpr char kEnd = '\0';
    static constexpr char kForeign = '\x01';
    static constexpr long long kExponentCap = 1'000'000'000;

    // The next character as its ASCII stand-in; kEnd at the end, kForeign for anything that has
    // no place in an amount (a NUL inside the text included).
    char next() {
        if (pos_ >= text_.size())
            return kEnd;
        const auto [codePoint, length] = utf8::DecodeAt(text_, pos_);
        pos_ += length;
        if (codePoint == utf8::kInvalid || codePoint == 0)
            return kForeign;
        const char c = AmountChar(codePoint);
        return c == 0 ? kForeign : c;
    }

    void noteDigit(char c, bool inFraction) {
        if (inFraction) {
            ++fractionPosition_;
            if (!seenNonZero_ && c != '0') {
                seenNonZero_ = true;
                leadingExponent_ = -fractionPosition_;
            }
        } else if (seenNonZero_) {
            ++leadingExponent_;
        } else if (c != '0') {
            seenNonZero_ = true;
            leadingExponent_ = 0;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    bool negative_ = false;
    bool seenNonZero_ = false;
    long long leadingExponent_ = 0;
    long long fractionPosition_ = 0;
    long long explicitExponent_ = 0;
};

} // namespace

std::optional<double> ReadNumber(std::string_view text) noexcept {
    try {
        ScanBuffer normalized;
        AmountScanner scanner(text);
        if (!scanner.scan(normalized))
            return std::nullopt;
        double value = 0.0;
        const char* first = normalized.data();
        const char* last = first + normalized.size();
        const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
        if (error == std::errc{} && end == last && std::isfinite(value))
            return value;
        if (error == std::errc::result_out_of_range ||
            (error == std::errc{} && !std::isfinite(value))) {
            if (scanner.allZero() || scanner.leadingExponent() < 0)
                return scanner.negative() ? -0.0 : 0.0; // below the smallest double
            return std::nullopt;                        // beyond the largest double
        }
        return std::nullopt;
    } catch (...) { // only std::bad_alloc can get here: treat like any unreadable text
        return std::nullopt;
    }
}

std::string NumberText(double value) {
    if (value == 0.0)
        return "0";
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : "Inf";

    // "-d.dddddddddddddde-XXX": 15 significant digits, correctly rounded by the library.
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view formatted(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const bool negative = formatted.front() == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t ePos = formatted.find('e');

    std::string digits;
    digits.reserve(15);
    for (std::size_t i = mantissaStart; i < ePos; ++i)
        if (formatted[i] != '.')
            digits.push_back(formatted[i]);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    int exponent = 0;
    std::from_chars(formatted.data() + ePos + (formatted[ePos + 1] == '+' ? 2 : 1),
                    formatted.data() + formatted.size(), exponent);

    std::string text;
    text.reserve(kNumberTextMaxLength);
    if (negative)
        text.push_back('-');
    if (exponent >= -4 && exponent <= 14) {
        if (exponent >= 0) {
            const auto wholeLength = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= wholeLength) {
                text += digits;
                text.append(wholeLength - digits.size(), '0');
            } else {
                text.append(digits, 0, wholeLength);
                text.push_back('.');
                text.append(digits, wholeLength);
            }
        } else {
            text += "0.";
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        }
        return text;
    }
    text.push_back(digits.front());
    if (digits.size() > 1) {
        text.push_back('.');
        text.append(digits, 1);
    }
    text.push_back('E');
    text.push_back(exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        text.push_back('0');
    text += std::to_string(magnitude);
    return text;
}

std::string RightChars(std::string_view text, std::size_t count) {
    if (count == 0)
        return {};
    if (count >= text.size()) // never more characters than bytes
        return std::string(text);
    // Two walks: count the characters, then skip all but the last `count` of them.
    std::size_t characters = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += utf8::DecodeAt(text, pos).length)
        ++characters;
    if (characters <= count)
        return std::string(text);
    std::size_t pos = 0;
    for (std::size_t skip = characters - count; skip > 0; --skip)
        pos += utf8::DecodeAt(text, pos).length;
    return std::string(text.substr(pos));
}

} // namespace zorimex
