// libFuzzer target: arbitrary bytes as the amount a user types. Checks the properties the
// program relies on for every text, not only for the ones anyone thought of.

#include "zorimex/actions.h"
#include "zorimex/fields.h"
#include "zorimex/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* what, std::string_view detail) {
    std::fprintf(stderr, "property broken: %s: [%.*s]\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The only forms NumberText may write: "0"; plain "-?D+(.D*[1-9])?" without leading zeros
// (except a single "0" before the point); scientific "-?D(.D*[1-9])?E[+-]DD+".
bool IsNumberText(std::string_view t) {
    if (t == "0")
        return true;
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-')
        ++i;
    const std::size_t wholeStart = i;
    while (i < t.size() && IsDigit(t[i]))
        ++i;
    const std::size_t wholeLength = i - wholeStart;
    if (wholeLength == 0 || (wholeLength > 1 && t[wholeStart] == '0'))
        return false;
    if (i < t.size() && t[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < t.size() && IsDigit(t[i]))
            ++i;
        if (i == fractionStart || t[i - 1] == '0')
            return false;
    }
    if (i == t.size())
        return t != "-0";
    if (wholeLength != 1 || t[wholeStart] == '0' || t[i] != 'E')
        return false;
    ++i;
    if (i >= t.size() || (t[i] != '+' && t[i] != '-'))
        return false;
    const std::size_t exponentStart = ++i;
    while (i < t.size() && IsDigit(t[i]))
        ++i;
    return i == t.size() && i - exponentStart >= 2;
}

// x rounded to 15 significant digits, by the C library as an independent reference.
double RoundedTo15(double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", x);
    return std::strtod(text, nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const std::string right = zorimex::RightChars(input, 3);
    if (right.size() > input.size() || !input.ends_with(right))
        Fail("RightChars is not a suffix", input);

    if (const auto value = zorimex::ReadNumber(input)) {
        if (!std::isfinite(*value))
            Fail("ReadNumber gave a non-finite value", input);
        const std::string text = zorimex::NumberText(*value);
        if (text.size() > zorimex::kNumberTextMaxLength)
            Fail("NumberText too long", text);
        if (!IsNumberText(text))
            Fail("NumberText outside its grammar", text);
        const double expected = RoundedTo15(*value);
        const auto back = zorimex::ReadNumber(text);
        if (std::isinf(expected)) {
            if (back)
                Fail("15-digit text beyond the range read back", text);
        } else if (!back || *back != expected) {
            Fail("NumberText does not read back as the 15-digit rounding", text);
        }
    }

    // The whole press, as the main window runs it, with the input in each field it reads.
    zorimex::Fields fields;
    fields[zorimex::Field::Text1] = std::string(input);
    fields[zorimex::Field::Text5] = "110";
    zorimex::Convert(fields);
    zorimex::DollarWithTax(fields);
    zorimex::YenWithTax(fields);
    fields[zorimex::Field::Text1] = "1234.56";
    fields[zorimex::Field::Text5] = std::string(input);
    fields[zorimex::Field::Text9] = std::string(input);
    zorimex::Convert(fields);
    fields[zorimex::Field::Text3] = std::string(input);
    zorimex::YenWithTax(fields);
    return 0;
}
