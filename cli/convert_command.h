#pragma once
// `zorimex-cli convert` and `zorimex-cli currencies`: the main window's conversion, in one go.

#include "messages.h"

#include <iosfwd>
#include <span>
#include <string_view>

namespace zorimex::cli {

/// `convert [--json] AMOUNT [--currency X | --rate R]`. X is a row number, a caption, a name or
/// an ISO 4217 code (any case) of the catalogue (list rate), or a control name such as Label14 or
/// Option12. Without either option the US dollar is used; `--` ends the options, so a negative
/// amount can follow it. Returns 0; 1 when a result could not be computed (the fields are printed
/// as they stand and `err` names the missing results); or 2 after a one-line error on `err`. The
/// labels and the errors are in `language`; the JSON is the same in every language.
int RunConvert(std::span<const std::string_view> args, Language language, std::ostream& out,
               std::ostream& err);

/// `currencies [--json]`: the catalogue, one row per line under a header in `language`, or as one
/// JSON array.
int RunCurrencies(std::span<const std::string_view> args, Language language, std::ostream& out,
                  std::ostream& err);

} // namespace zorimex::cli
