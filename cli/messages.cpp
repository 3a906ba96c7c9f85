#include "messages.h"

#include <array>
#include <cstddef>

namespace zorimex::cli {

namespace {

struct MessageRow {
    MessageId id;
    std::string_view english;
    std::string_view japanese;
};

using enum MessageId;

// One row per message, in the order of MessageId. "使い方: " is eight columns wide on a terminal,
// hence the deeper indent of the Japanese usage.
constexpr std::array kMessages = {
    MessageRow{Usage,
               "usage: zorimex-cli convert [--json] AMOUNT [--currency X | --rate R]\n"
               "       zorimex-cli currencies [--json]\n"
               "       zorimex-cli script < events.jsonl\n"
               "       zorimex-cli --help | --version\n",
               "使い方: zorimex-cli convert [--json] 金額 [--currency X | --rate R]\n"
               "        zorimex-cli currencies [--json]\n"
               "        zorimex-cli script < events.jsonl\n"
               "        zorimex-cli --help | --version\n"},
    MessageRow{UnknownOption, "unknown option '{1}'", "不明なオプション '{1}'"},
    MessageRow{UnknownSubcommand, "unknown subcommand '{1}'", "不明なサブコマンド '{1}'"},
    MessageRow{UnexpectedArgument, "unexpected argument '{1}'", "余分な引数 '{1}'"},
    MessageRow{ScriptTakesNoArgument,
               "unexpected argument '{1}' (the events come on standard input)",
               "余分な引数 '{1}'（イベントは標準入力から読みます）"},
    MessageRow{CouldNotWriteOutput, "could not write the output", "出力を書き込めませんでした"},
    MessageRow{CurrencyAndRateTogether, "give one of --currency and --rate, once",
               "--currency と --rate はどちらか一つを一度だけ指定してください"},
    MessageRow{NeedsValue, "{1} needs a value", "{1} には値が必要です"},
    MessageRow{UnknownCurrency, "unknown currency '{1}' (see: zorimex-cli currencies)",
               "不明な通貨 '{1}'（一覧: zorimex-cli currencies）"},
    MessageRow{NotARate, "'{1}' is not a rate", "'{1}' はレートではありません"},
    MessageRow{
        MissingAmount,
        "missing AMOUNT (usage: zorimex-cli convert [--json] AMOUNT [--currency X | --rate R])",
        "金額がありません（使い方: zorimex-cli convert [--json] 金額 [--currency X | --rate "
        "R]）"},
    MessageRow{NotAnAmount, "'{1}' is not an amount", "'{1}' は金額ではありません"},
    MessageRow{CouldNotCompute,
               "could not compute {1} (the amount times the rate is beyond the range of numbers)",
               "{1} を計算できませんでした（金額とレートの積が扱える数の範囲を超えています）"},
    MessageRow{ListSeparator, ", ", "、"},
    MessageRow{CurrencyLine, "Currency: {1} (1 unit = {2} yen)", "通貨: {1}（1単位 = {2}円）"},
    MessageRow{AmountLabel, "Amount", "金額"},
    MessageRow{ConvertedLabel, "Converted", "換算"},
    MessageRow{ExactAmountLabel, "Exact amount", "正確な金額"},
    MessageRow{DollarWithTaxLabel, "Dollars with tax", "$(ドル)+消費税"},
    MessageRow{YenWithTaxLabel, "Yen with tax", "日本円+消費税"},
    MessageRow{CurrenciesHeader, "Row\tCaption\tName\tList rate\tMap rate\tISO",
               "番号\t一覧の表示\t通貨名\t一覧のレート\t地図のレート\tISO"},
    MessageRow{ScriptLine, "line {1}: {2}", "{1} 行目: {2}"},
    MessageRow{NotValidJson, "not valid JSON", "JSON として読めません"},
    MessageRow{NotAnObject, "an event must be a JSON object",
               "イベントは JSON のオブジェクトでなければなりません"},
    MessageRow{UnknownEvent, "unknown event", "不明なイベント"},
    MessageRow{MissingMember, "missing \"{1}\"", "\"{1}\" がありません"},
    MessageRow{NotAString, "\"{1}\" must be a string", "\"{1}\" は文字列でなければなりません"},
    MessageRow{UnexpectedMember, "unexpected member {1}", "余分なメンバー {1}"},
    MessageRow{UnknownField, "unknown field {1}", "不明なフィールド {1}"},
    MessageRow{UnknownControl, "unknown control {1}", "不明なコントロール {1}"},
    MessageRow{UnknownWindow, "unknown window {1}", "不明なウィンドウ {1}"},
    MessageRow{DumpNotTrue, "\"dump\" must be true", "\"dump\" は true でなければなりません"},
};

constexpr bool EveryMessageOnceInOrderInBothLanguages() {
    if (kMessages.size() != static_cast<std::size_t>(Count))
        return false;
    for (std::size_t i = 0; i < kMessages.size(); ++i)
        if (static_cast<std::size_t>(kMessages[i].id) != i || kMessages[i].english.empty() ||
            kMessages[i].japanese.empty())
            return false;
    return true;
}
static_assert(EveryMessageOnceInOrderInBothLanguages(),
              "every MessageId needs its row, in order, with an English and a Japanese text");

} // namespace

std::string_view RawText(Language language, MessageId id) {
    const MessageRow& row = kMessages.at(static_cast<std::size_t>(id));
    return language == Language::Japanese ? row.japanese : row.english;
}

std::string Text(Language language, MessageId id,
                 std::initializer_list<std::string_view> arguments) {
    const std::string_view raw = RawText(language, id);
    std::string text;
    text.reserve(raw.size());
    // One pass over the table's text: an argument that itself holds "{1}" stays as it is.
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '{' && i + 2 < raw.size() && raw[i + 1] >= '1' && raw[i + 1] <= '9' &&
            raw[i + 2] == '}') {
            const auto index = static_cast<std::size_t>(raw[i + 1] - '1');
            if (index < arguments.size())
                text += arguments.begin()[index];
            i += 2;
        } else {
            text += raw[i];
        }
    }
    return text;
}

} // namespace zorimex::cli
