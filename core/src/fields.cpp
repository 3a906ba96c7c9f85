#include "zorimex/fields.h"

#include <charconv>

namespace zorimex {

std::optional<Field> FieldFromName(std::string_view name) noexcept {
    constexpr std::string_view prefix = "Text";
    if (!name.starts_with(prefix))
        return std::nullopt;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.empty() || digits.size() > 2 || digits.front() == '0')
        return std::nullopt;
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size())
        return std::nullopt;
    return FieldFromNumber(number);
}

std::string FieldName(Field field) {
    return "Text" + std::to_string(static_cast<int>(field));
}

} // namespace zorimex
