#include "currency_table.h"
#include "zorimex/catalogue.h"
#include "zorimex/fields.h"

#include <gtest/gtest.h>

#include <string>

namespace zorimex {
namespace {

using enum Field;

using test::CurrencyRow;

class CatalogueRow : public ::testing::TestWithParam<CurrencyRow> {};

TEST_P(CatalogueRow, BothControlsWriteTheirOwnRateAndTheName) {
    const CurrencyRow& r = GetParam();
    const Currency* c = CurrencyByRow(r.row);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->caption, r.caption);
    EXPECT_EQ(c->name, r.name);
    EXPECT_EQ(c->mapOption, r.option);

    Fields fromList;
    Choose(fromList, *ChoiceForControl("Label" + std::to_string(r.row)));
    EXPECT_EQ(fromList[Text5], r.listRate);
    EXPECT_EQ(fromList[Text6], r.name);

    Fields fromMap;
    Choose(fromMap, *ChoiceForControl("Option" + std::to_string(r.option)));
    EXPECT_EQ(fromMap[Text5], r.mapRate);
    EXPECT_EQ(fromMap[Text6], r.name);
}

INSTANTIATE_TEST_SUITE_P(SeventeenCurrencies, CatalogueRow,
                         ::testing::ValuesIn(test::kCurrencyRows), [](const auto& rowInfo) {
                             return "row" + std::to_string(rowInfo.param.row);
                         });

class UnknownControl : public ::testing::TestWithParam<const char*> {};

TEST_P(UnknownControl, GivesNothing) {
    EXPECT_FALSE(ChoiceForControl(GetParam()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Names, UnknownControl,
                         ::testing::Values("Option1", "Option0", "Option19", "Label0", "Label18",
                                           "Label01", "label1", "Label", "Label1x", "Command1", "",
                                           "Option-2", "Label+1"));

TEST(Choose, OrderOfControlsDecidesTheRate) {
    Fields f;
    Choose(f, *ChoiceForControl("Label13"));
    Choose(f, *ChoiceForControl("Option11"));
    EXPECT_EQ(f[Text5], "180");
    Choose(f, *ChoiceForControl("Label13"));
    EXPECT_EQ(f[Text5], "185");
    EXPECT_EQ(f[Text6], "英ポンド");
}

TEST(Choose, ReplacesTypedTextsAndLeavesResultsAlone) {
    Fields f;
    f[Text5] = "typed rate";
    f[Text6] = "typed name";
    f[Text11] = "135801.6";
    f[Text8] = "13";
    const Fields before = f;
    Choose(f, *ChoiceForControl("Option6"));
    EXPECT_EQ(f[Text5], "0.102");
    EXPECT_EQ(f[Text6], "韓国ウォン");
    for (Field field : {Text1, Text2, Text3, Text4, Text7, Text8, Text9, Text10, Text11})
        EXPECT_EQ(f[field], before[field]);
    Fields twice = f;
    Choose(twice, *ChoiceForControl("Option6"));
    EXPECT_EQ(twice, f);
}

TEST(FieldNames, OnlyText1ToText11) {
    for (int n = 1; n <= 11; ++n)
        EXPECT_EQ(FieldFromName("Text" + std::to_string(n)), FieldFromNumber(n));
    for (const char* bad : {"Text0", "Text12", "Text01", "text1", "Text", "Text1 ", ""})
        EXPECT_FALSE(FieldFromName(bad).has_value()) << bad;
}

} // namespace
} // namespace zorimex
