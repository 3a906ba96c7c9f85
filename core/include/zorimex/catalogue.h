#pragma once
// The seventeen currencies the program knows, with rates fixed at build time. Each currency can
// be chosen from its label in the selection window's list or from its button on the world map;
// five of them carry a slightly different rate on the map, and each control writes its own.

#include "zorimex/fields.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zorimex {

struct Currency {
    int row;                  // 1..17, the number of its list label
    std::string_view caption; // the list label's text
    int mapOption;            // the number of its map radio button (2..18)
    std::string_view name;    // what Text6 shows
    double listRate;          // yen per unit, chosen from the list
    double mapRate;           // yen per unit, chosen from the map
    std::string_view isoCode; // ISO 4217, for callers outside the windows
};

/// All seventeen rows, in row order.
std::span<const Currency> Currencies() noexcept;

/// The row with the given number (1..17), or nothing.
const Currency* CurrencyByRow(int row) noexcept;

/// A currency and the rate text that one particular control writes.
struct Choice {
    const Currency* currency;
    std::string rateText; // NumberText of the control's rate
};

/// Look-up by control name: "Label1".."Label17" give the list rate, "Option2".."Option18" the
/// map rate. "Option1" and every other name give nothing.
std::optional<Choice> ChoiceForControl(std::string_view controlName);

/// The rate text a label writes.
std::string ListRateText(const Currency& currency);
/// The rate text a map button writes.
std::string MapRateText(const Currency& currency);

/// Choosing: Text5 first gets the rate text, then Text6 the name. Nothing else changes.
void Choose(Fields& fields, const Choice& choice);

} // namespace zorimex
