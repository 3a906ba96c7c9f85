#pragma once
// `zorimex-cli convert` and `zorimex-cli currencies`: the main window's conversion, in one go.

#include <iosfwd>
#include <span>
#include <string_view>

namespace zorimex::cli {

/// `convert AMOUNT [--currency X | --rate R]`. X is a row number, a caption or a name of the
/// catalogue (list rate), or a control name such as Label14 or Option12. Without either option
/// the US dollar is used. Returns 0, or 2 after a one-line error on `err`.
int RunConvert(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

/// `currencies`: the catalogue, one row per line.
int RunCurrencies(std::ostream& out);

} // namespace zorimex::cli
