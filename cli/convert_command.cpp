#include "convert_command.h"

#include "script_driver.h"

#include "zorimex/actions.h"
#include "zorimex/catalogue.h"
#include "zorimex/fields.h"
#include "zorimex/number_text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zorimex::cli {

namespace {

constexpr int kDefaultRow = 2; // アメリカ$

struct RateChoice {
    std::string rateText;
    std::string label; // what the output calls the currency
};

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

std::optional<RateChoice> CurrencyFromArgument(std::string_view x) {
    int row = 0;
    const auto [end, error] = std::from_chars(x.data(), x.data() + x.size(), row);
    if (error == std::errc{} && end == x.data() + x.size()) {
        if (const Currency* c = CurrencyByRow(row))
            return RateChoice{ListRateText(*c), std::string(c->name)};
        return std::nullopt;
    }
    for (const Currency& c : Currencies())
        if (x == c.caption || x == c.name || EqualIgnoringAsciiCase(x, c.isoCode))
            return RateChoice{ListRateText(c), std::string(c.name)};
    if (const auto choice = ChoiceForControl(x))
        return RateChoice{choice->rateText, std::string(choice->currency->name)};
    return std::nullopt;
}

int Usage(std::ostream& err, std::string_view command, const std::string& what) {
    err << "zorimex-cli " << command << ": " << what << '\n';
    return kExitUsage;
}

// One line of the text output: the result's name, then its value.
std::string Line(Language language, MessageId label, std::string_view value) {
    return Text(language, label) + ": " + std::string(value) + '\n';
}

// An option is a word that starts with '-' and is not a number: "-5" stays an amount.
bool LooksLikeOption(std::string_view arg) {
    return arg.size() > 1 && arg.front() == '-' && !ReadNumber(arg);
}

struct ConvertRequest {
    std::string amount;
    RateChoice rate;
    bool json = false;
};

// Reads the arguments, or says on `err` what is wrong with them.
std::optional<ConvertRequest> ParseConvert(std::span<const std::string_view> args,
                                           Language language, std::ostream& err) {
    std::optional<std::string_view> amount;
    std::optional<RateChoice> rate;
    bool json = false;
    bool optionsEnded = false;
    const auto fail = [&](MessageId what, std::initializer_list<std::string_view> arguments = {}) {
        Usage(err, "convert", Text(language, what, arguments));
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--json") {
            json = true;
        } else if (!optionsEnded && (arg == "--currency" || arg == "--rate")) {
            if (rate)
                return fail(MessageId::CurrencyAndRateTogether);
            if (i + 1 >= args.size())
                return fail(MessageId::NeedsValue, {arg});
            const std::string_view value = args[++i];
            if (arg == "--currency") {
                rate = CurrencyFromArgument(value);
                if (!rate)
                    return fail(MessageId::UnknownCurrency, {value});
            } else {
                const auto r = ReadNumber(value);
                if (!r)
                    return fail(MessageId::NotARate, {value});
                rate = RateChoice{NumberText(*r), "1単位 " + NumberText(*r) + "円"};
            }
        } else if (!optionsEnded && LooksLikeOption(arg)) {
            return fail(MessageId::UnknownOption, {arg});
        } else if (!amount) {
            amount = arg;
        } else {
            return fail(MessageId::UnexpectedArgument, {arg});
        }
    }
    if (!amount)
        return fail(MessageId::MissingAmount);
    if (!ReadNumber(*amount))
        return fail(MessageId::NotAnAmount, {*amount});
    if (!rate) {
        const Currency& c = *CurrencyByRow(kDefaultRow);
        rate = RateChoice{ListRateText(c), std::string(c.name)};
    }
    return ConvertRequest{std::string(*amount), *rate, json};
}

// The results a step could not compute, by the labels the text output gives them. Every result
// but the dollar figure comes from the exact product in Text11: where that stayed empty, the
// breakdown holds Convert's starting zeros, not a result.
std::vector<MessageId> MissingResults(const Fields& fields) {
    using enum Field;
    std::vector<MessageId> missing;
    if (fields[Text11].empty())
        missing.insert(missing.end(), {MessageId::ConvertedLabel, MessageId::ExactAmountLabel,
                                       MessageId::YenWithTaxLabel});
    if (fields[Text2].empty())
        missing.push_back(MessageId::DollarWithTaxLabel);
    return missing;
}

} // namespace

int RunConvert(std::span<const std::string_view> args, Language language, std::ostream& out,
               std::ostream& err) {
    const auto request = ParseConvert(args, language, err);
    if (!request)
        return kExitUsage;

    Fields fields;
    using enum Field;
    fields[Text1] = request->amount;
    fields[Text5] = request->rate.rateText;
    fields[Text6] = request->rate.label;
    Convert(fields);
    DollarWithTax(fields);
    YenWithTax(fields);

    if (request->json)
        out << FieldsJson(fields) << '\n';
    else
        // The breakdown "13万5千802" is the amount as the window shows it: data, in any language.
        out << Text(language, MessageId::CurrencyLine, {fields[Text6], fields[Text5]}) << '\n'
            << Line(language, MessageId::AmountLabel, fields[Text1])
            << Line(language, MessageId::ConvertedLabel,
                    fields[Text8] + "万" + fields[Text7] + "千" + fields[Text3])
            << Line(language, MessageId::ExactAmountLabel, ExactAmountMessage(fields).text)
            << Line(language, MessageId::DollarWithTaxLabel, fields[Text2])
            << Line(language, MessageId::YenWithTaxLabel, fields[Text4]);

    const auto missing = MissingResults(fields);
    if (missing.empty())
        return kExitOk;
    std::string names;
    for (const MessageId label : missing)
        names += (names.empty() ? std::string() : Text(language, MessageId::ListSeparator)) +
                 Text(language, label);
    err << "zorimex-cli convert: " << Text(language, MessageId::CouldNotCompute, {names}) << '\n';
    return kExitFailure;
}

int RunCurrencies(std::span<const std::string_view> args, Language language, std::ostream& out,
                  std::ostream& err) {
    bool json = false;
    for (const std::string_view arg : args) {
        if (arg == "--json" && !json)
            json = true;
        else
            return Usage(err, "currencies", Text(language, MessageId::UnexpectedArgument, {arg}));
    }
    if (json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Currency& c : Currencies())
            list.push_back({{"row", c.row},
                            {"caption", c.caption},
                            {"name", c.name},
                            {"iso", c.isoCode},
                            {"listRate", c.listRate},
                            {"mapRate", c.mapRate}});
        out << list.dump() << '\n';
        return kExitOk;
    }
    // The ISO code is the last column, so the five before it keep their places for scripts that
    // cut the columns by position.
    out << Text(language, MessageId::CurrenciesHeader) << '\n';
    for (const Currency& c : Currencies())
        out << c.row << '\t' << c.caption << '\t' << c.name << '\t' << ListRateText(c) << '\t'
            << MapRateText(c) << '\t' << c.isoCode << '\n';
    return kExitOk;
}

} // namespace zorimex::cli
