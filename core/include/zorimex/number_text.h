#pragma once
// The three text rules every computing action of the main window follows: reading a field's
// text as a number, writing a number back as text, and taking the last characters of a text.
// Texts are UTF-8; "characters" are Unicode code points (an ill-formed byte counts as one).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorimex {

/// Reads an amount typed by the user. Round to nearest (ties to even) from the full decimal
/// value; failure is an empty optional, never an exception; allocates only for inputs whose
/// significant part is longer than a small fixed buffer. The accepted grammar is written above
/// the definition in number_text.cpp.
std::optional<double> ReadNumber(std::string_view text) noexcept;

/// Writes a double with at most 15 significant digits: plain form for decimal exponents -4..14,
/// otherwise d.dddE+XX; zero (also -0) is "0"; NaN and infinities, which no action writes, give
/// "NaN", "Inf" and "-Inf". Correctly rounded (std::to_chars); never fails; at most 22 chars.
std::string NumberText(double value);

/// The longest text NumberText can give for a finite double: "-1.23456789012345E-308".
inline constexpr std::size_t kNumberTextMaxLength = 22;

/// The last `count` characters of `text`, or all of it when it is that short. Never fails.
std::string RightChars(std::string_view text, std::size_t count);

} // namespace zorimex
