// Every message of zorimex-cli exists in both languages with the same values to fill in, and the
// language follows the environment by the same rule as the desktop program.

#include "messages.h"
#include "user_language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zorimex::cli {
namespace {

// The placeholders a text holds, with how often each occurs.
std::map<std::string, int> Placeholders(std::string_view text) {
    std::map<std::string, int> found;
    for (std::size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', at + 1))
        if (at + 2 < text.size() && text[at + 2] == '}')
            ++found[std::string(text.substr(at, 3))];
    return found;
}

TEST(Messages, EveryMessageIsTranslatedWithTheSamePlaceholders) {
    for (int i = 0; i < static_cast<int>(MessageId::Count); ++i) {
        const auto id = static_cast<MessageId>(i);
        const std::string_view english = RawText(Language::English, id);
        const std::string_view japanese = RawText(Language::Japanese, id);
        EXPECT_NE(english, japanese) << "message " << i << " is not translated";
        EXPECT_EQ(Placeholders(english), Placeholders(japanese)) << "message " << i;
        EXPECT_EQ(english.ends_with('\n'), japanese.ends_with('\n')) << "message " << i;
    }
}

TEST(Messages, ArgumentsAreInsertedOnceAsTheyAre) {
    EXPECT_EQ(Text(Language::English, MessageId::ScriptLine, {"{2}", "x"}), "line {2}: x");
    EXPECT_EQ(Text(Language::Japanese, MessageId::ScriptLine, {"3", "x"}), "3 行目: x");
}

struct EnvironmentRow {
    const char* name;
    std::map<std::string, std::string> variables;
    Language expected;
};

class LanguageRule : public testing::TestWithParam<EnvironmentRow> {};

TEST_P(LanguageRule, ReadsTheFirstVariableThatIsSet) {
    const auto& variables = GetParam().variables;
    const auto lookup = [&](const char* name) -> const char* {
        const auto it = variables.find(name);
        return it == variables.end() ? nullptr : it->second.c_str();
    };
    EXPECT_EQ(LanguageFromEnvironment(lookup), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, LanguageRule,
    testing::Values(EnvironmentRow{"nothing_set", {}, Language::English},
                    EnvironmentRow{"lc_all_before_lang",
                                   {{"LC_ALL", "C"}, {"LANG", "ja_JP"}},
                                   Language::English},
                    EnvironmentRow{"empty_lc_all_skipped",
                                   {{"LC_ALL", ""}, {"LC_MESSAGES", "ja_JP.eucJP"}, {"LANG", "C"}},
                                   Language::Japanese},
                    EnvironmentRow{"language_first_entry",
                                   {{"LANGUAGE", "ja:en"}, {"LANG", "C"}},
                                   Language::Japanese},
                    EnvironmentRow{"language_only_first_entry_counts",
                                   {{"LANGUAGE", "fr:ja"}, {"LANG", "ja_JP.UTF-8"}},
                                   Language::English},
                    EnvironmentRow{"empty_language_skipped",
                                   {{"LANGUAGE", ""}, {"LANG", "ja_JP.UTF-8"}},
                                   Language::Japanese}),
    [](const auto& rowInfo) { return rowInfo.param.name; });

} // namespace
} // namespace zorimex::cli
