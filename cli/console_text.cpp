#include "console_text.h"

#include <cstdint>

namespace zorimex::cli {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr std::size_t kFlushAt = 4096;

/// Bytes in the character a lead byte begins; 0 for a byte that cannot begin one.
std::size_t SequenceLength(std::uint8_t lead) {
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

void AppendCodePoint(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
        return;
    }
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view text, bool keepIncompleteEnd, std::size_t& taken) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
        const std::size_t length = SequenceLength(byte(pos));
        if (length == 0) {
            out.push_back(kReplacement);
            ++pos;
            continue;
        }
        char32_t value = byte(pos);
        if (length > 1)
            value &= 0x7Fu >> length; // the lead byte's payload
        std::size_t i = 1;
        for (; i < length && pos + i < text.size() && (byte(pos + i) & 0xC0) == 0x80; ++i)
            value = (value << 6) | (byte(pos + i) & 0x3Fu);
        if (i < length && pos + i == text.size() && keepIncompleteEnd)
            break; // the rest of this character comes with the next write
        const char32_t minimum = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
        if (i < length || value < minimum || value > 0x10FFFF ||
            (value >= 0xD800 && value <= 0xDFFF)) {
            out.push_back(kReplacement);
            ++pos;
            continue;
        }
        AppendCodePoint(out, value);
        pos += length;
    }
    taken = pos;
    return out;
}

WideTextBuffer::WideTextBuffer(std::function<bool(std::u16string_view)> sink)
    : sink_(std::move(sink)) {}

WideTextBuffer::~WideTextBuffer() {
    flushWhole(true);
}

WideTextBuffer::int_type WideTextBuffer::overflow(int_type ch) {
    if (traits_type::eq_int_type(ch, traits_type::eof()))
        return sync() == 0 ? traits_type::not_eof(ch) : traits_type::eof();
    pending_.push_back(traits_type::to_char_type(ch));
    if (pending_.size() >= kFlushAt && !flushWhole(false))
        return traits_type::eof();
    return ch;
}

std::streamsize WideTextBuffer::xsputn(const char* bytes, std::streamsize count) {
    pending_.append(bytes, static_cast<std::size_t>(count));
    if (pending_.size() >= kFlushAt && !flushWhole(false))
        return 0;
    return count;
}

int WideTextBuffer::sync() {
    return flushWhole(false) ? 0 : -1;
}

bool WideTextBuffer::flushWhole(bool final) {
    if (pending_.empty())
        return true;
    std::size_t taken = 0;
    const std::u16string text = Utf8ToUtf16(pending_, !final, taken);
    pending_.erase(0, taken);
    return text.empty() || sink_(text);
}

} // namespace zorimex::cli
