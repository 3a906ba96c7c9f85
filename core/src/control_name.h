#pragma once
// Control and field names carry their number after a fixed prefix: "Text11", "Label4", "Option18".

#include <cstddef>
#include <optional>
#include <string_view>

namespace zorimex {

/// The number after `prefix` in `name`: one or two digits, no sign, no leading zero; nothing for
/// any other form. No allocation.
constexpr std::optional<int> NumberAfterPrefix(std::string_view name,
                                               std::string_view prefix) noexcept {
    if (!name.starts_with(prefix))
        return std::nullopt;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.empty() || digits.size() > 2 || digits.front() == '0')
        return std::nullopt;
    int number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

} // namespace zorimex
