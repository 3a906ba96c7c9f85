#pragma once
// Walking UTF-8 text one character at a time. Field texts come from the user, so they may be
// ill-formed; an ill-formed byte is taken as one character of its own and never read past.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zorimex::utf8 {

inline constexpr char32_t kInvalid = 0xFFFFFFFF;

struct Decoded {
    char32_t codePoint; // kInvalid for an ill-formed byte
    std::size_t length; // bytes taken, at least 1
};

/// Decodes the character starting at text[pos] (pos < text.size()). Rejects overlong forms,
/// surrogates and values above U+10FFFF. No allocation, never reads past the end.
constexpr Decoded DecodeAt(std::string_view text, std::size_t pos) noexcept {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(pos);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07u, minimum = 0x10000;
    } else {
        return {kInvalid, 1};
    }
    if (text.size() - pos < length)
        return {kInvalid, 1};
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return {kInvalid, 1};
        value = (value << 6) | (next & 0x3Fu);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return {kInvalid, 1};
    return {value, length};
}

} // namespace zorimex::utf8
