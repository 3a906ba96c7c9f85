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

/// Bytes in the character `lead` begins, 1 to 4; 0 for a byte that begins none (a continuation
/// byte, or a lead byte of only overlong forms or values above U+10FFFF).
constexpr std::size_t SequenceLength(std::uint8_t lead) noexcept {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

/// Decodes the character starting at text[pos] (pos < text.size()). Rejects overlong forms,
/// surrogates and values above U+10FFFF. No allocation, never reads past the end.
constexpr Decoded DecodeAt(std::string_view text, std::size_t pos) noexcept {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(pos);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || text.size() - pos < length)
        return {kInvalid, 1};
    if (length == 1)
        return {lead, 1};
    char32_t value = lead & (0x7Fu >> length); // the lead byte's payload
    for (std::size_t i = 1; i < length; ++i) {
        const std::uint8_t next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return {kInvalid, 1};
        value = (value << 6) | (next & 0x3Fu);
    }
    const char32_t minimum = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return {kInvalid, 1};
    return {value, length};
}

/// Whether the text ends inside the character starting at text[pos]: a lead byte followed only
/// by continuation bytes, fewer than it needs. DecodeAt takes such a beginning as ill-formed;
/// text that arrives in pieces can wait for the rest instead.
constexpr bool EndsInsideCharacter(std::string_view text, std::size_t pos) noexcept {
    const std::size_t length = SequenceLength(static_cast<std::uint8_t>(text[pos]));
    if (length < 2 || text.size() - pos >= length)
        return false;
    for (std::size_t i = pos + 1; i < text.size(); ++i)
        if ((static_cast<std::uint8_t>(text[i]) & 0xC0) != 0x80)
            return false;
    return true;
}

} // namespace zorimex::utf8
