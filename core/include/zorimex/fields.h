#pragma once
// The main window's eleven text fields are the whole data model of a conversion: an action reads
// texts, computes inside itself, and writes texts back. Nothing numeric outlives an action.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zorimex {

enum class Field : int {
    Text1 = 1, // amount of foreign money, typed by the user
    Text2,     // amount plus 8 per cent
    Text3,     // the yen below one thousand (last three characters of the rounded amount)
    Text4,     // yen figure with consumption tax
    Text5,     // rate: yen per unit of the chosen currency
    Text6,     // the chosen currency's name
    Text7,     // the thousands digit
    Text8,     // the number of 万
    Text9,     // exact yen amount, the working copy Convert derives everything from
    Text10,    // Convert's working field
    Text11,    // exact yen amount, shown by the exact-amount message
};

inline constexpr int kFieldCount = 11;

/// Text1..Text11 in order, for going over every field.
inline constexpr std::array<Field, kFieldCount> kAllFields{
    Field::Text1, Field::Text2, Field::Text3, Field::Text4,  Field::Text5, Field::Text6,
    Field::Text7, Field::Text8, Field::Text9, Field::Text10, Field::Text11};

/// The field with the given number (1..11), or nothing.
constexpr std::optional<Field> FieldFromNumber(int number) noexcept {
    if (number < 1 || number > kFieldCount)
        return std::nullopt;
    return static_cast<Field>(number);
}

/// The field named "Text1".."Text11", or nothing.
std::optional<Field> FieldFromName(std::string_view name) noexcept;

/// "Text1".."Text11".
std::string FieldName(Field field);

/// The texts of Text1..Text11; all start empty, as in a freshly created main window.
class Fields {
public:
    const std::string& operator[](Field f) const { return texts_[index(f)]; }
    std::string& operator[](Field f) { return texts_[index(f)]; }

    friend bool operator==(const Fields&, const Fields&) = default;

private:
    static constexpr std::size_t index(Field f) { return static_cast<std::size_t>(f) - 1; }
    std::array<std::string, kFieldCount> texts_{};
};

} // namespace zorimex
