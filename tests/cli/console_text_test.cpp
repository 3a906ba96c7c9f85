// UTF-8 written in pieces reaches a wide-character console as whole characters.

#include "console_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;
    std::vector<std::string> writes; // each followed by a flush
    std::u16string shown;            // everything the sink received, after the stream is gone
    std::vector<std::size_t> runs;   // the length of each run the sink received
};

class WideTextBufferTest : public testing::TestWithParam<Case> {};

TEST_P(WideTextBufferTest, HandsOnWholeCharacters) {
    const Case& c = GetParam();
    std::u16string shown;
    std::vector<std::size_t> runs;
    {
        zorimex::cli::WideTextBuffer buffer([&](std::u16string_view text) {
            shown += text;
            runs.push_back(text.size());
            return true;
        });
        std::ostream stream(&buffer);
        for (const std::string& piece : c.writes)
            stream << piece << std::flush;
    }
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(runs, c.runs);
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, WideTextBufferTest,
    testing::Values(
        // A flush with nothing waiting succeeds, so the stream goes on writing.
        Case{"FlushWithNothingPending", {"", "ok"}, u"ok", {2}},
        Case{"AsciiAndKanji",
             {"13\xE4\xB8\x87"
              "5\xE5\x8D\x83"
              "802\n"},
             u"13万5千802\n",
             {9}},
        Case{"KanjiSplitAcrossWrites",
             {"13\xE4", "\xB8",
              "\x87"
              "5\n"},
             u"13万5\n",
             {2, 3}},
        Case{"YenSignAtTheVeryEnd", {"135801.6\xE5\x86", "\x86\n"}, u"135801.6円\n", {8, 2}},
        Case{
            "FourByteCharacterBecomesASurrogatePair", {"\xF0\x9F\x98", "\x80"}, u"\U0001F600", {2}},
        Case{"IllFormedBytesAreReplaced",
             {"a\xFF"
              "b\xC0\xAF"
              "c"},
             u"a\uFFFDb\uFFFD\uFFFDc",
             {6}},
        Case{"SurrogateEncodedInUtf8IsReplaced", {"\xED\xA0\x80"}, u"\uFFFD\uFFFD\uFFFD", {3}},
        Case{"TruncatedCharacterBeforeOtherTextIsReplaced",
             {"\xE4\xB8"
              "x"},
             u"\uFFFD\uFFFDx",
             {3}},
        Case{"IncompleteCharacterAtTheEndIsReplacedWhenTheStreamEnds",
             {"ok\xE4\xB8"},
             u"ok\uFFFD\uFFFD",
             {2, 2}}),
    [](const testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

// A view that ends inside a character says nothing of the bytes after it.
TEST(Utf8ToUtf16, StopsAtTheEndOfTheView) {
    std::size_t taken = 0;
    EXPECT_EQ(zorimex::cli::Utf8ToUtf16(std::string_view("\xC3\xA9", 1), false, taken), u"\uFFFD");
    EXPECT_EQ(taken, 1u);
}

} // namespace
