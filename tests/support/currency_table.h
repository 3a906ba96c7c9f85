#pragma once
// The seventeen currencies as the windows offer them, written down from the windows' definitions
// and the recorded scripts (not read from the program's catalogue): each list label's row and
// caption, its map button, the name a choice writes and the rate each of the two controls writes.

namespace zorimex::test {

struct CurrencyRow {
    int row; ///< LabelN on the list
    const char* caption;
    int option; ///< OptionN on the map
    const char* name;
    const char* listRate;
    const char* mapRate;
};

inline constexpr CurrencyRow kCurrencyRows[] = {
    {1, "カナダ$", 2, "カナダドル", "80", "78"},
    {2, "アメリカ$", 18, "米ドル", "130", "130"},
    {3, "ブラジルリアル", 14, "ブラジルリアル", "55.5", "55.4"},
    {4, "韓国ウォン", 6, "韓国ウォン", "0.102", "0.102"},
    {5, "台湾$", 13, "台湾ドル", "3.5", "3.5"},
    {6, "タイバーツ", 5, "タイバーツ", "2.7", "2.71"},
    {7, "オーストラリア$", 3, "濠ドル", "68", "68"},
    {8, "ニュージーランド$", 4, "ニュージーランドドル", "56", "56"},
    {9, "ロシアルーブル", 9, "ロシアルーブル", "4.33", "4.33"},
    {10, "中国元", 7, "中国元", "15", "15"},
    {11, "香港$", 8, "香港ドル", "17", "17"},
    {12, "スウェーデンクローネ", 10, "スウェーデンクローナ", "12", "12"},
    {13, "イギリス￡", 11, "英ポンド", "185", "180"},
    {14, "EUユーロ", 12, "EUユーロ", "110", "110"},
    {15, "エジプト￡", 16, "エジプトポンド", "28", "28"},
    {16, "南アフリカランド", 15, "南アフリカランド", "12", "14"},
    {17, "インドルピー", 17, "インドルピー", "2.5", "2.5"},
};

} // namespace zorimex::test
