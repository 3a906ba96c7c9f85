#include "convert_command.h"

#include "script_driver.h"

#include "zorimex/actions.h"
#include "zorimex/catalogue.h"
#include "zorimex/fields.h"
#include "zorimex/number_text.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <string>

namespace zorimex::cli {

namespace {

constexpr int kDefaultRow = 2; // アメリカ$

struct RateChoice {
    std::string rateText;
    std::string label; // what the output calls the currency
};

std::optional<RateChoice> CurrencyFromArgument(std::string_view x) {
    int row = 0;
    const auto [end, error] = std::from_chars(x.data(), x.data() + x.size(), row);
    if (error == std::errc{} && end == x.data() + x.size()) {
        if (const Currency* c = CurrencyByRow(row))
            return RateChoice{ListRateText(*c), std::string(c->name)};
        return std::nullopt;
    }
    for (const Currency& c : Currencies())
        if (x == c.caption || x == c.name)
            return RateChoice{ListRateText(c), std::string(c.name)};
    if (const auto choice = ChoiceForControl(x))
        return RateChoice{choice->rateText, std::string(choice->currency->name)};
    return std::nullopt;
}

int Usage(std::ostream& err, const std::string& what) {
    err << "zorimex-cli convert: " << what << '\n';
    return kExitUsage;
}

} // namespace

int RunConvert(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    std::optional<std::string_view> amount;
    std::optional<RateChoice> rate;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--currency" || arg == "--rate") {
            if (rate)
                return Usage(err, "give one of --currency and --rate, once");
            if (i + 1 >= args.size())
                return Usage(err, std::string(arg) + " needs a value");
            const std::string_view value = args[++i];
            if (arg == "--currency") {
                rate = CurrencyFromArgument(value);
                if (!rate)
                    return Usage(err, "unknown currency '" + std::string(value) +
                                          "' (see: zorimex-cli currencies)");
            } else {
                const auto r = ReadNumber(value);
                if (!r)
                    return Usage(err, "'" + std::string(value) + "' is not a rate");
                rate = RateChoice{NumberText(*r), "1単位 " + NumberText(*r) + "円"};
            }
        } else if (!amount) {
            amount = arg;
        } else {
            return Usage(err, "unexpected argument '" + std::string(arg) + "'");
        }
    }
    if (!amount)
        return Usage(
            err, "missing AMOUNT (usage: zorimex-cli convert AMOUNT [--currency X | --rate R])");
    if (!ReadNumber(*amount))
        return Usage(err, "'" + std::string(*amount) + "' is not an amount");
    if (!rate) {
        const Currency& c = *CurrencyByRow(kDefaultRow);
        rate = RateChoice{ListRateText(c), std::string(c.name)};
    }

    Fields fields;
    fields[Field::Text1] = std::string(*amount);
    fields[Field::Text5] = rate->rateText;
    fields[Field::Text6] = rate->label;
    Convert(fields);
    DollarWithTax(fields);
    YenWithTax(fields);

    using enum Field;
    out << "通貨: " << fields[Text6] << "（1単位 = " << fields[Text5] << "円）\n"
        << "金額: " << fields[Text1] << '\n'
        << "換算: " << fields[Text8] << "万" << fields[Text7] << "千" << fields[Text3] << '\n'
        << "正確な金額: " << ExactAmountMessage(fields).text << '\n'
        << "$(ドル)+消費税: " << fields[Text2] << '\n'
        << "日本円+消費税: " << fields[Text4] << '\n';
    return kExitOk;
}

int RunCurrencies(std::ostream& out) {
    out << "番号\t一覧の表示\t通貨名\t一覧のレート\t地図のレート\n";
    for (const Currency& c : Currencies())
        out << c.row << '\t' << c.caption << '\t' << c.name << '\t' << ListRateText(c) << '\t'
            << MapRateText(c) << '\n';
    return kExitOk;
}

} // namespace zorimex::cli
