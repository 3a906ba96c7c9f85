#include "zorimex/fields.h"

#include "control_name.h"

namespace zorimex {

std::optional<Field> FieldFromName(std::string_view name) noexcept {
    const auto number = NumberAfterPrefix(name, "Text");
    return number ? FieldFromNumber(*number) : std::nullopt;
}

std::string FieldName(Field field) {
    return "Text" + std::to_string(static_cast<int>(field));
}

} // namespace zorimex
