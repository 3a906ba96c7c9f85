#include "console_text.h"

#include "zorimex/utf8.h"

namespace zorimex::cli {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr std::size_t kFlushAt = 4096;

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
        const utf8::Decoded decoded = utf8::DecodeAt(text, pos);
        if (decoded.codePoint != utf8::kInvalid) {
            AppendCodePoint(out, decoded.codePoint);
        } else if (keepIncompleteEnd && utf8::EndsInsideCharacter(text, pos)) {
            break; // the rest of this character comes with the next write
        } else {
            out.push_back(kReplacement);
        }
        pos += decoded.length;
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
