#include "zorimex/catalogue.h"

#include "zorimex/number_text.h"

#include "control_name.h"

#include <array>

namespace zorimex {

namespace {

// Rates are yen for one unit. Five currencies have a slightly different rate on the map button
// than on the list label (rows 1, 3, 6, 13 and 16); each control keeps its own.
constexpr std::array<Currency, 17> kCurrencies{{
    {1, "カナダ$", 2, "カナダドル", 80, 78, "CAD"},
    {2, "アメリカ$", 18, "米ドル", 130, 130, "USD"},
    {3, "ブラジルリアル", 14, "ブラジルリアル", 55.5, 55.4, "BRL"},
    {4, "韓国ウォン", 6, "韓国ウォン", 0.102, 0.102, "KRW"},
    {5, "台湾$", 13, "台湾ドル", 3.5, 3.5, "TWD"},
    {6, "タイバーツ", 5, "タイバーツ", 2.7, 2.71, "THB"},
    {7, "オーストラリア$", 3, "濠ドル", 68, 68, "AUD"},
    {8, "ニュージーランド$", 4, "ニュージーランドドル", 56, 56, "NZD"},
    {9, "ロシアルーブル", 9, "ロシアルーブル", 4.33, 4.33, "RUB"},
    {10, "中国元", 7, "中国元", 15, 15, "CNY"},
    {11, "香港$", 8, "香港ドル", 17, 17, "HKD"},
    {12, "スウェーデンクローネ", 10, "スウェーデンクローナ", 12, 12, "SEK"},
    {13, "イギリス￡", 11, "英ポンド", 185, 180, "GBP"},
    {14, "EUユーロ", 12, "EUユーロ", 110, 110, "EUR"},
    {15, "エジプト￡", 16, "エジプトポンド", 28, 28, "EGP"},
    {16, "南アフリカランド", 15, "南アフリカランド", 12, 14, "ZAR"},
    {17, "インドルピー", 17, "インドルピー", 2.5, 2.5, "INR"},
}};

} // namespace

std::span<const Currency> Currencies() noexcept {
    return kCurrencies;
}

const Currency* CurrencyByRow(int row) noexcept {
    if (row < 1 || row > static_cast<int>(kCurrencies.size()))
        return nullptr;
    return &kCurrencies[static_cast<std::size_t>(row - 1)];
}

std::string ListRateText(const Currency& currency) {
    return NumberText(currency.listRate);
}

std::string MapRateText(const Currency& currency) {
    return NumberText(currency.mapRate);
}

std::optional<Choice> ChoiceForControl(std::string_view controlName) {
    if (const auto row = NumberAfterPrefix(controlName, "Label")) {
        if (const Currency* currency = CurrencyByRow(*row))
            return Choice{currency, ListRateText(*currency)};
        return std::nullopt;
    }
    if (const auto option = NumberAfterPrefix(controlName, "Option")) {
        for (const Currency& currency : kCurrencies)
            if (currency.mapOption == *option)
                return Choice{&currency, MapRateText(currency)};
    }
    return std::nullopt;
}

void Choose(Fields& fields, const Choice& choice) {
    fields[Field::Text5] = choice.rateText;
    fields[Field::Text6] = std::string(choice.currency->name);
}

} // namespace zorimex
