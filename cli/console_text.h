#pragma once
// A Windows console shows text written to it as UTF-16 (WriteConsoleW); the UTF-8 bytes the
// commands write would be read in the console's code page and come out garbled. This buffer takes
// the UTF-8 a stream writes and hands it on as UTF-16, whole characters only: a character split
// across two writes waits for its remaining bytes. Standard C++, so it is tested everywhere.

#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

namespace zorimex::cli {

class WideTextBuffer : public std::streambuf {
public:
    /// sink receives each run of converted text; false from it fails the stream.
    explicit WideTextBuffer(std::function<bool(std::u16string_view)> sink);
    ~WideTextBuffer() override;

protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;

private:
    /// Converts and hands on everything but an incomplete last character. An ill-formed byte
    /// becomes U+FFFD; at the end (final) an incomplete character does too.
    bool flushWhole(bool final);

    std::function<bool(std::u16string_view)> sink_;
    std::string pending_;
};

/// The UTF-16 for UTF-8 text; each ill-formed byte becomes U+FFFD. `taken` receives how many
/// bytes were converted: all of them, except an incomplete character at the end when
/// keepIncompleteEnd is set.
std::u16string Utf8ToUtf16(std::string_view text, bool keepIncompleteEnd, std::size_t& taken);

} // namespace zorimex::cli
