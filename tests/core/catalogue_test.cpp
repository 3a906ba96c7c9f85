#include "zorimex/catalogue.h"
#include "zorimex/fields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zorimex {
namespace {

using enum Field;

struct Row {
    int row;
    const char* caption;
    int option;
    const char* name;
    const char* listRate;
    const char* mapRate;
};

class CatalogueRow : public ::testing::TestWithParam<Row> {};

TEST_P(CatalogueRow, BothControlsWriteTheirOwnRateAndTheName) {
    const Row& r = GetParam();
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

INSTANTIATE_TEST_SUITE_P(
    SeventeenCurrencies, CatalogueRow,
    ::testing::Values(Row{1, "カナダ$", 2, "カナダドル", "80", "78"},
                      Row{2, "アメリカ$", 18, "米ドル", "130", "130"},
                      Row{3, "ブラジルリアル", 14, "ブラジルリアル", "55.5", "55.4"},
                      Row{4, "韓国ウォン", 6, "韓国ウォン", "0.102", "0.102"},
                      Row{5, "台湾$", 13, "台湾ドル", "3.5", "3.5"},
                      Row{6, "タイバーツ", 5, "タイバーツ", "2.7", "2.71"},
                      Row{7, "オーストラリア$", 3, "濠ドル", "68", "68"},
                      Row{8, "ニュージーランド$", 4, "ニュージーランドドル", "56", "56"},
                      Row{9, "ロシアルーブル", 9, "ロシアルーブル", "4.33", "4.33"},
                      Row{10, "中国元", 7, "中国元", "15", "15"},
                      Row{11, "香港$", 8, "香港ドル", "17", "17"},
                      Row{12, "スウェーデンクローネ", 10, "スウェーデンクローナ", "12", "12"},
                      Row{13, "イギリス￡", 11, "英ポンド", "185", "180"},
                      Row{14, "EUユーロ", 12, "EUユーロ", "110", "110"},
                      Row{15, "エジプト￡", 16, "エジプトポンド", "28", "28"},
                      Row{16, "南アフリカランド", 15, "南アフリカランド", "12", "14"},
                      Row{17, "インドルピー", 17, "インドルピー", "2.5", "2.5"}),
    [](const auto& rowInfo) { return "row" + std::to_string(rowInfo.param.row); });

TEST(Catalogue, EveryMapButtonBelongsToExactlyOneRow) {
    std::set<int> options;
    for (const Currency& c : Currencies())
        options.insert(c.mapOption);
    EXPECT_EQ(options.size(), 17u);
    EXPECT_EQ(*options.begin(), 2);
    EXPECT_EQ(*options.rbegin(), 18);
}

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
