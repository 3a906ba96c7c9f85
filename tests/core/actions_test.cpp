#include "zorimex/actions.h"
#include "zorimex/catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace zorimex {
namespace {

using enum Field;

Fields WithInputs(const std::string& amount, const std::string& rate) {
    Fields f;
    f[Text1] = amount;
    f[Text5] = rate;
    return f;
}

struct ConvertRow {
    const char* name;
    std::string amount, rate;
    std::string exact, rounded, yen, thousands, tenThousandsRest, tenThousands;
};

class ConvertBreakdown : public ::testing::TestWithParam<ConvertRow> {};

TEST_P(ConvertBreakdown, OnAFreshWindow) {
    const ConvertRow& row = GetParam();
    Fields f = WithInputs(row.amount, row.rate);
    Convert(f);
    EXPECT_EQ(f[Text11], row.exact);
    EXPECT_EQ(f[Text9], row.exact);
    EXPECT_EQ(f[Text3], row.yen);
    EXPECT_EQ(f[Text7], row.thousands);
    EXPECT_EQ(f[Text10], row.tenThousandsRest);
    EXPECT_EQ(f[Text8], row.tenThousands);
    // Fields the action does not own stay as they were.
    EXPECT_EQ(f[Text1], row.amount);
    EXPECT_EQ(f[Text5], row.rate);
    EXPECT_EQ(f[Text2], "");
    EXPECT_EQ(f[Text4], "");
    EXPECT_EQ(f[Text6], "");
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, ConvertBreakdown,
    ::testing::Values(
        ConvertRow{"exactly_one_thousand", "12.5", "80", "1000", "1000", "000", "1", "0", "0"},
        ConvertRow{"euro_example", "1234.56", "110", "135801.6", "135802", "802", "5", "130000",
                   "13"},
        ConvertRow{"half_rounds_up", "5", "2.7", "13.5", "14", "14", "0", "0", "0"},
        ConvertRow{"fifteen_digit_text_decides", "4.1", "15", "61.5", "62", "62", "0", "0", "0"},
        ConvertRow{"just_below_thousand", "12.495", "80", "999.6", "1000", "000", "0", "0", "0"},
        ConvertRow{"negative_amount", "-3", "80", "-240", "-240", "240", "0", "0", "0"},
        ConvertRow{"large_amount", "1000000", "130", "130000000", "130000000", "000", "0",
                   "130000000", "13000"},
        ConvertRow{"below_one_yen", "0.5", "0.102", "0.051", "0", "0", "0", "0", "0"},
        ConvertRow{"empty_amount_first_press", "", "80", "", "0", "0", "0", "0", "0"},
        ConvertRow{"positive_half", "0.25", "110", "27.5", "28", "28", "0", "0", "0"},
        ConvertRow{"negative_half_away_from_zero", "-0.25", "110", "-27.5", "-28", "-28", "0", "0",
                   "0"},
        ConvertRow{"small_negative_is_zero", "-0.003", "110", "-0.33", "0", "0", "0", "0", "0"},
        ConvertRow{"lower_edge_of_rounding_up", "999.5", "1", "999.5", "1000", "000", "0", "0",
                   "0"},
        // The last four characters hold no sign, so they are subtracted from a negative amount.
        ConvertRow{"negative_with_thousands", "-1234.56", "110", "-135801.6", "-135802", "802", "0",
                   "-141604", "-14.1604"},
        ConvertRow{"fullwidth_amount", "１２．５", "80", "1000", "1000", "000", "1", "0", "0"},
        ConvertRow{"scientific_rounded_amount", "1.3E+13", "100", "1.3E+15", "1.3E+15", "+15", "",
                   "1.3E+15", "130000000000"},
        ConvertRow{"overflowing_product", "1e300", "1e300", "", "0", "0", "0", "0", "0"},
        ConvertRow{"unreadable_rate", "5", "abc", "", "0", "0", "0", "0", "0"}),
    [](const auto& rowInfo) { return rowInfo.param.name; });

// After a successful press the inputs can turn unreadable: steps 1 and 2 fail and the rest runs
// on the previous exact amount, so every field keeps showing the earlier conversion.
struct KeepRow {
    const char* name;
    std::string amount, rate;
};

class ConvertAfterConversion : public ::testing::TestWithParam<KeepRow> {};

TEST_P(ConvertAfterConversion, FailingInputsKeepTheEarlierResult) {
    Fields f = WithInputs("1234.56", "110");
    Convert(f);
    const Fields before = f;
    f[Text1] = GetParam().amount;
    f[Text5] = GetParam().rate;
    Convert(f);
    for (Field field : {Text11, Text9, Text10, Text3, Text7, Text8})
        EXPECT_EQ(f[field], before[field]) << FieldName(field);
}

INSTANTIATE_TEST_SUITE_P(ContinueOnFailure, ConvertAfterConversion,
                         ::testing::Values(KeepRow{"empty_amount", "", "110"},
                                           KeepRow{"unit_in_amount", "12円", "110"},
                                           KeepRow{"empty_rate", "5", ""},
                                           KeepRow{"overflow", "1e308", "1e308"}),
                         [](const auto& rowInfo) { return rowInfo.param.name; });

TEST(Convert, PressingTwiceGivesTheSameTexts) {
    Fields f = WithInputs("1234.56", "110");
    Convert(f);
    const Fields once = f;
    Convert(f);
    EXPECT_EQ(f, once);
}

TEST(Convert, ScientificRoundedAmountLeavesThousandsAsItWas) {
    Fields f = WithInputs("1.3E+13", "100");
    f[Text7] = "7";
    Convert(f);
    EXPECT_EQ(f[Text7], "7"); // steps 8 and 9 fail on the exponent characters
    EXPECT_EQ(f[Text8], "130000000000");
}

TEST(Convert, UnreadableExactAmountZeroesTheBreakdown) {
    Fields f = WithInputs("", "");
    f[Text9] = "abc";
    f[Text7] = "9";
    Convert(f);
    for (Field field : {Text10, Text3, Text7, Text8})
        EXPECT_EQ(f[field], "0") << static_cast<int>(field);
    EXPECT_EQ(f[Text9], "abc");
}

TEST(Convert, RateIsReadAtThePress) {
    Fields f = WithInputs("10", "110");
    Convert(f);
    f[Text5] = "２";
    Convert(f);
    EXPECT_EQ(f[Text11], "20");
}

TEST(Convert, AnyNegativeAmountEndsWithThousandsZero) {
    for (const char* amount : {"-1", "-12.5", "-1234.56", "-99999999"}) {
        Fields f = WithInputs(amount, "110");
        Convert(f);
        EXPECT_EQ(f[Text7], "0") << amount;
    }
}

struct TaxRow {
    const char* name;
    std::string amount, rate;
    std::string dollarWithTax, yenWithTax;
};

class TaxActions : public ::testing::TestWithParam<TaxRow> {};

TEST_P(TaxActions, AfterConvert) {
    Fields f = WithInputs(GetParam().amount, GetParam().rate);
    Convert(f);
    DollarWithTax(f);
    YenWithTax(f);
    EXPECT_EQ(f[Text2], GetParam().dollarWithTax);
    EXPECT_EQ(f[Text4], GetParam().yenWithTax);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, TaxActions,
    ::testing::Values(TaxRow{"euro_example", "1234.56", "110", "1333.3248", "135842.1"},
                      TaxRow{"zeros_joined_as_text", "12.5", "80", "13.5", "010"},
                      TaxRow{"small_amount", "5", "2.7", "5.4", "0014.7"},
                      TaxRow{"large_amount", "1000000", "130", "1080000", "1300000"},
                      TaxRow{"negative_amount", "-3", "80", "-3.24", "00252"},
                      TaxRow{"unreadable_amount", "abc", "80", "", "000"}),
    [](const auto& rowInfo) { return rowInfo.param.name; });

TEST(TaxActions, FailingInputsLeaveTheirFieldsAlone) {
    Fields f;
    f[Text2] = "old2";
    f[Text4] = "old4";
    f[Text8] = "1";
    f[Text7] = "2";
    DollarWithTax(f); // Text1 empty
    YenWithTax(f);    // Text3 empty
    EXPECT_EQ(f[Text2], "old2");
    EXPECT_EQ(f[Text4], "old4");
    f[Text1] = "1.7e308";
    DollarWithTax(f); // overflows
    EXPECT_EQ(f[Text2], "old2");
}

TEST(TaxActions, ConvertDoesNotTouchTaxFields) {
    Fields f = WithInputs("1234.56", "110");
    Convert(f);
    DollarWithTax(f);
    YenWithTax(f);
    f[Text1] = "5";
    Convert(f);
    EXPECT_EQ(f[Text2], "1333.3248");
    EXPECT_EQ(f[Text4], "135842.1");
}

struct MessageRow {
    const char* name;
    std::string amount, rate, message;
};

class ExactAmount : public ::testing::TestWithParam<MessageRow> {};

TEST_P(ExactAmount, ShowsTheFifteenDigitTextWithYen) {
    Fields f = WithInputs(GetParam().amount, GetParam().rate);
    if (!GetParam().amount.empty())
        Convert(f);
    EXPECT_EQ(ExactAmountMessage(f), (Message{GetParam().message, "ZRMX Ver.6"}));
}

INSTANTIATE_TEST_SUITE_P(Messages, ExactAmount,
                         ::testing::Values(MessageRow{"euro_example", "1234.56", "110",
                                                      "135801.6円"},
                                           MessageRow{"unrounded", "4.1", "15", "61.5円"},
                                           MessageRow{"before_any_convert", "", "", "円"}),
                         [](const auto& rowInfo) { return rowInfo.param.name; });

} // namespace
} // namespace zorimex
