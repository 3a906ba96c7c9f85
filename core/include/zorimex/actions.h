#pragma once
// The computing actions of the main window, as functions of its fields. Each runs
// continue-on-failure: a step that cannot read a number or overflows writes nothing and the
// action goes on with its next step; no action ever reports a failure.

#include "zorimex/application_title.h"
#include "zorimex/fields.h"

#include <optional>
#include <string>
#include <string_view>

namespace zorimex {

inline constexpr const char* kYenUnit = "円";

/// The first "換算" button: exact amount into Text11/Text9, breakdown into Text8/Text7/Text3.
void Convert(Fields& fields);

/// The second "換算" button: Text2 = Text1 × 1.08.
void DollarWithTax(Fields& fields);

/// The third "換算" button: Text4 = Text8 & Text7 & (Text3 × 1.05).
void YenWithTax(Fields& fields);

/// What "もっと正確！" shows in its modal box.
struct Message {
    std::string text;
    std::string title;
    friend bool operator==(const Message&, const Message&) = default;
};

/// The exact-amount message: Text11 followed by "円", titled "ZRMX Ver.6". Cannot fail.
Message ExactAmountMessage(const Fields& fields);

/// An action that computes on the fields.
using FieldAction = void (*)(Fields&);

/// The action a button of the main window runs: "Command1" Convert, "Command2" DollarWithTax,
/// "Command3" YenWithTax; nothing for any other control.
std::optional<FieldAction> ActionForControl(std::string_view controlName);

/// The button that shows ExactAmountMessage ("もっと正確！").
inline constexpr std::string_view kExactAmountControl = "Command6";

} // namespace zorimex
