#include "zorimex/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace zorimex {
namespace {

struct ReadRow {
    const char* name;
    std::string text;
    double value;
};

class ReadNumberReads : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadNumberReads, ToTheNearestDouble) {
    const auto result = ReadNumber(GetParam().text);
    ASSERT_TRUE(result.has_value()) << GetParam().text;
    EXPECT_EQ(*result, GetParam().value);
    EXPECT_EQ(std::signbit(*result), std::signbit(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ReadNumberReads,
    ::testing::Values(
        ReadRow{"plain", "12.5", 12.5}, ReadRow{"blanks_around", " 12.5 ", 12.5},
        ReadRow{"tabs_around", "\t12.5\t", 12.5}, ReadRow{"plus_sign", "+7", 7},
        ReadRow{"minus_sign", "-3", -3}, ReadRow{"separator", "1,000", 1000},
        ReadRow{"separators_anywhere", "1,0,00", 1000}, ReadRow{"separator_run", "1,,000", 1000},
        ReadRow{"separators_before_point", "1,234,567.5", 1234567.5},
        ReadRow{"leading_point", ".5", 0.5}, ReadRow{"trailing_point", "5.", 5},
        ReadRow{"exponent", "1.3E+15", 1.3e15}, ReadRow{"lower_exponent", "2e3", 2000},
        ReadRow{"negative_exponent", "1E-05", 1e-05}, ReadRow{"exponent_no_sign", "1E5", 1e5},
        ReadRow{"leading_zeros", "000", 0}, ReadRow{"negative_zero", "-0", -0.0},
        ReadRow{"fraction_exponent", ".5e1", 5}, ReadRow{"nearest_double", "0.1", 0.1},
        ReadRow{"largest_double", "1.7976931348623157e308", 1.7976931348623157e308},
        ReadRow{"below_range_is_zero", "1e-400", 0.0},
        ReadRow{"below_range_negative_zero", "-1e-400", -0.0},
        ReadRow{"denormal", "4.9406564584124654e-324", 4.9406564584124654e-324},
        ReadRow{"zero_huge_exponent", "0e999999", 0.0},
        ReadRow{"long_exponent_digits", "1e0000000000000000000005", 1e5},
        ReadRow{"below_range_zero_exponent", "0." + std::string(330, '0') + "1e000", 0.0}),
    [](const auto& rowInfo) { return rowInfo.param.name; });

INSTANTIATE_TEST_SUITE_P(InputMethodForms, ReadNumberReads,
                         ::testing::Values(ReadRow{"digits", "１２３４５６７８９０", 1234567890},
                                           ReadRow{"point_and_separator", "１，０００．５", 1000.5},
                                           ReadRow{"fullwidth_plus", "＋５", 5},
                                           ReadRow{"fullwidth_minus", "－５", -5},
                                           ReadRow{"minus_sign", "\u22125", -5},
                                           ReadRow{"fullwidth_exponent", "１Ｅ３", 1000},
                                           ReadRow{"fullwidth_lower_exponent", "１ｅ－２", 0.01},
                                           ReadRow{"ideographic_space", "\u3000１２\u3000", 12},
                                           ReadRow{"mixed_widths", "1２,３4５.６", 12345.6}),
                         [](const auto& rowInfo) { return rowInfo.param.name; });

struct RejectRow {
    const char* name;
    std::string text;
};

class ReadNumberFails : public ::testing::TestWithParam<RejectRow> {};

TEST_P(ReadNumberFails, GivesNothing) {
    EXPECT_FALSE(ReadNumber(GetParam().text).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, ReadNumberFails,
    ::testing::Values(
        RejectRow{"empty", ""}, RejectRow{"blanks_only", "  \t "},
        RejectRow{"ideographic_blanks_only", "\u3000\u3000"}, RejectRow{"lone_point", "."},
        RejectRow{"lone_sign", "-"}, RejectRow{"unit_after", "12.5円"},
        RejectRow{"fullwidth_with_unit", "１，０００円"}, RejectRow{"currency_sign", "$5"},
        RejectRow{"blank_inside", "1 000"}, RejectRow{"blank_after_sign", "- 5"},
        RejectRow{"sign_after", "5-"}, RejectRow{"two_points", "1.2.3"},
        RejectRow{"hexadecimal", "0x1F"}, RejectRow{"exponent_without_digits", "1e"},
        RejectRow{"exponent_without_mantissa", "e3"}, RejectRow{"sign_exponent", "-e3"},
        RejectRow{"separator_first", ",5"}, RejectRow{"separator_last", "5,"},
        RejectRow{"separator_before_point", "5,.5"}, RejectRow{"separator_in_fraction", "1.0,5"},
        RejectRow{"separator_in_exponent", "1e1,0"}, RejectRow{"parentheses", "(5)"},
        RejectRow{"beyond_range", "1e999999"}, RejectRow{"beyond_range_negative", "-2e308"},
        RejectRow{"beyond_range_zero_exponent", "1" + std::string(309, '0') + "e-000"},
        RejectRow{"infinity_word", "inf"}, RejectRow{"nan_word", "nan"},
        RejectRow{"nul_inside", std::string("12\0"
                                            "5",
                                            4)},
        RejectRow{"nul_after", std::string("12\0", 3)}, RejectRow{"invalid_utf8", "12\xff"},
        RejectRow{"truncated_utf8", "1\xe3\x80"}, RejectRow{"overlong_utf8_digit", "\xc0\xb1"},
        RejectRow{"emoji", "5\xf0\x9f\x92\xb4"}, RejectRow{"fullwidth_letter", "５Ａ"},
        RejectRow{"halfwidth_katakana", "5\uff71"}, RejectRow{"newline", "5\n"},
        RejectRow{"double_sign", "+-5"}),
    [](const auto& rowInfo) { return rowInfo.param.name; });

TEST(ReadNumberLargeInput, MegabyteOfDigitsReadsToTheNearestDouble) {
    const std::string digits(1 << 20, '7');
    EXPECT_FALSE(ReadNumber(digits).has_value()); // 10^1048575 is beyond the double range
    const std::string fraction = "0." + digits;
    const auto value = ReadNumber(fraction);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, 0.7777777777777778);
    const std::string separated = "1" + std::string(1 << 20, ',') + "5";
    EXPECT_EQ(ReadNumber(separated), 15.0);
}

struct TextRow {
    const char* name;
    double value;
    const char* text;
};

class NumberTextWrites : public ::testing::TestWithParam<TextRow> {};

TEST_P(NumberTextWrites, FifteenSignificantDigits) {
    EXPECT_EQ(NumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, NumberTextWrites,
    ::testing::Values(
        TextRow{"thousand", 1000, "1000"}, TextRow{"exact_amount", 135801.6, "135801.6"},
        TextRow{"below_one", 0.051, "0.051"}, TextRow{"negative", -240, "-240"},
        TextRow{"one_third", 1.0 / 3, "0.333333333333333"},
        TextRow{"two_thirds", 2.0 / 3, "0.666666666666667"},
        TextRow{"fifteen_digits", 123456789012345, "123456789012345"},
        TextRow{"scientific_from_ten_to_fifteen", 1.3e15, "1.3E+15"},
        TextRow{"exactly_ten_to_fifteen", 1e15, "1E+15"},
        TextRow{"rounds_up_into_scientific", 999999999999999.9, "1E+15"},
        TextRow{"plain_down_to_ten_to_minus_four", 0.0001, "0.0001"},
        TextRow{"scientific_below_ten_to_minus_four", 0.00001, "1E-05"},
        TextRow{"rounds_up_into_plain", 0.000099999999999999999, "0.0001"},
        TextRow{"tax_product", 1234.56 * 1.08, "1333.3248"},
        TextRow{"representation_error_hidden", 1.1 * 1.1, "1.21"},
        TextRow{"product_of_four_point_one", 4.1 * 15, "61.5"}, TextRow{"zero", 0.0, "0"},
        TextRow{"negative_zero", -0.0, "0"}, TextRow{"negative_scientific", -1.25e-7, "-1.25E-07"},
        TextRow{"three_digit_exponent", 1e100, "1E+100"},
        TextRow{"largest_double", std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        TextRow{"smallest_denormal", std::numeric_limits<double>::denorm_min(),
                "4.94065645841247E-324"},
        TextRow{"trailing_zeros_removed", 2.5000000000000004, "2.5"},
        TextRow{"whole_with_fraction", 41523.15, "41523.15"},
        TextRow{"point_zero_one_scale", -480 * 0.001, "-0.48"}),
    [](const auto& rowInfo) { return rowInfo.param.name; });

TEST(NumberTextProperties, ReadsBackAsTheFifteenDigitRoundingAndStaysShort) {
    std::mt19937_64 random(20021);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 200000; ++i) {
        const auto pattern = bits(random);
        double x = 0;
        static_assert(sizeof x == sizeof pattern);
        std::memcpy(&x, &pattern, sizeof x);
        if (!std::isfinite(x))
            continue;
        const std::string text = NumberText(x);
        ASSERT_LE(text.size(), kNumberTextMaxLength) << text;
        char rounded[40];
        std::snprintf(rounded, sizeof rounded, "%.14e", x);
        const double expected = std::strtod(rounded, nullptr);
        const auto back = ReadNumber(text);
        if (std::isinf(expected)) {
            EXPECT_FALSE(back.has_value()) << text; // the top of the range rounds past it
            continue;
        }
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(*back, expected == 0 ? 0.0 : expected) << text;
    }
}

struct RightRow {
    const char* name;
    std::string text;
    std::size_t count;
    std::string right;
};

class RightCharsTakes : public ::testing::TestWithParam<RightRow> {};

TEST_P(RightCharsTakes, LastCharacters) {
    EXPECT_EQ(RightChars(GetParam().text, GetParam().count), GetParam().right);
}

INSTANTIATE_TEST_SUITE_P(
    Counting, RightCharsTakes,
    ::testing::Values(
        RightRow{"shorter_than_count", "50", 3, "50"}, RightRow{"zeros_kept", "1000", 3, "000"},
        RightRow{"empty", "", 3, ""}, RightRow{"sign_not_included", "-240", 3, "240"},
        RightRow{"four_of_amount", "135802", 4, "5802"},
        RightRow{"exponent_characters", "1.3E+15", 3, "+15"}, RightRow{"zero_count", "123", 0, ""},
        RightRow{"characters_not_bytes", "１２３４", 3, "２３４"},
        RightRow{"two_byte_characters_from_the_lowest_lead", "¥1£", 2, "1£"},
        RightRow{"emoji_is_one_character", "a\xf0\x9f\x92\xb4", 1, "\xf0\x9f\x92\xb4"},
        RightRow{"ill_formed_byte_is_one_character", "ab\xff", 2, "b\xff"},
        RightRow{"huge_count", "abc", static_cast<std::size_t>(-1), "abc"}),
    [](const auto& rowInfo) { return rowInfo.param.name; });

} // namespace
} // namespace zorimex
