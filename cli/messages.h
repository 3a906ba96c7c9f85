#pragma once
// What zorimex-cli says to a person, in English and Japanese: usage, error lines, the labels of the
// text output. Both texts of a message sit in one row of a table compiled into the program, so a
// message cannot lack a language, on Linux and on Windows alike, with nothing to find at run time.
// Values (amounts, currency names, the fields) and all JSON are data and never go through here.

#include <initializer_list>
#include <string>
#include <string_view>

namespace zorimex::cli {

enum class Language { English, Japanese };

enum class MessageId {
    Usage,
    UnknownOption,
    UnknownSubcommand,
    UnexpectedArgument,
    ScriptTakesNoArgument,
    CouldNotWriteOutput,
    CurrencyAndRateTogether,
    NeedsValue,
    UnknownCurrency,
    NotARate,
    MissingAmount,
    NotAnAmount,
    CouldNotCompute,
    ListSeparator,
    CurrencyLine,
    AmountLabel,
    ConvertedLabel,
    ExactAmountLabel,
    DollarWithTaxLabel,
    YenWithTaxLabel,
    CurrenciesHeader,
    ScriptLine,
    NotValidJson,
    NotAnObject,
    UnknownEvent,
    MissingMember,
    NotAString,
    UnexpectedMember,
    UnknownField,
    UnknownControl,
    UnknownWindow,
    DumpNotTrue,
    Count // not a message: the number of them
};

/// The message's text in `language`, with {1}, {2}, ... replaced by `arguments` in order.
std::string Text(Language language, MessageId id,
                 std::initializer_list<std::string_view> arguments = {});

/// The message's text as written in the table, placeholders included.
std::string_view RawText(Language language, MessageId id);

} // namespace zorimex::cli
