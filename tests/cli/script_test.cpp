#include "convert_command.h"
#include "script_driver.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zorimex::cli {
namespace {

using Json = nlohmann::json;

struct ScriptResult {
    int status;
    std::vector<Json> output;
    std::string error;
};

ScriptResult RunText(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    ScriptResult result{RunScript(in, Language::English, out, err), {}, err.str()};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        result.output.push_back(Json::parse(line));
    return result;
}

std::vector<Json> ReadJsonLines(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::vector<Json> lines;
    for (std::string line; std::getline(file, line);)
        if (!line.empty())
            lines.push_back(Json::parse(line));
    return lines;
}

// Scripts with the output an independent model of the conversion rules gives for them.
class RecordedScript : public ::testing::TestWithParam<std::filesystem::path> {};

TEST_P(RecordedScript, ProducesTheRecordedOutput) {
    std::ifstream file(GetParam());
    std::stringstream script;
    script << file.rdbuf();
    const ScriptResult result = RunText(script.str());
    auto expectedPath = GetParam();
    expectedPath.replace_extension(".expected.jsonl");
    EXPECT_EQ(result.status, kExitOk) << result.error;
    EXPECT_EQ(result.output, ReadJsonLines(expectedPath));
}

std::vector<std::filesystem::path> RecordedScripts() {
    std::vector<std::filesystem::path> scripts;
    for (const auto& entry : std::filesystem::directory_iterator(ZORIMEX_VECTOR_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".jsonl") && !name.ends_with(".expected.jsonl"))
            scripts.push_back(entry.path());
    }
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

INSTANTIATE_TEST_SUITE_P(Vectors, RecordedScript, ::testing::ValuesIn(RecordedScripts()),
                         [](const auto& rowInfo) {
                             return "script" + rowInfo.param.stem().string();
                         });

TEST(Script, EventsWithoutOutputWriteNothingAndEmptyLinesAreSkipped) {
    const ScriptResult result = RunText("\n{\"set\": \"Text1\", \"text\": \"12.5\"}\r\n\n  \n"
                                        "{\"choose\": \"Label1\"}\n{\"click\": \"Command1\"}\n"
                                        "{\"click\": \"Command2\"}\n{\"click\": \"Command3\"}\n");
    EXPECT_EQ(result.status, kExitOk);
    EXPECT_TRUE(result.output.empty());
}

TEST(Script, DumpListsAllElevenFieldsInOrder) {
    const ScriptResult result = RunText("{\"set\": \"Text1\", \"text\": \"1234.56\"}\n"
                                        "{\"choose\": \"Label14\"}\n{\"click\": \"Command1\"}\n"
                                        "{\"click\": \"Command6\"}\n{\"dump\": true}\n");
    ASSERT_EQ(result.output.size(), 2u);
    EXPECT_EQ(result.output[0], (Json{{"message", "135801.6円"}, {"title", "ZRMX Ver.6"}}));
    const Json& dump = result.output[1];
    EXPECT_EQ(dump.size(), 11u);
    EXPECT_EQ(dump["Text8"], "13");
    EXPECT_EQ(dump["Text7"], "5");
    EXPECT_EQ(dump["Text3"], "802");
}

TEST(Script, UnloadGivesAFreshEmptyMainWindow) {
    const ScriptResult result = RunText(
        "{\"set\": \"Text1\", \"text\": \"5\"}\n{\"unload\": \"Form2\"}\n{\"dump\": true}\n");
    ASSERT_EQ(result.output.size(), 1u);
    for (const auto& [name, text] : result.output[0].items())
        EXPECT_EQ(text, "") << name;
}

TEST(Script, TextsKeepNulAndAnyUnicode) {
    const ScriptResult result = RunText(
        "{\"set\": \"Text1\", \"text\": \"1\\u00002 \\ud83d\\udcb4\"}\n{\"click\": \"Command1\"}\n"
        "{\"dump\": true}\n");
    ASSERT_EQ(result.output.size(), 1u);
    EXPECT_EQ(result.output[0]["Text1"], std::string("1\0"
                                                     "2 \xf0\x9f\x92\xb4",
                                                     8));
    EXPECT_EQ(result.output[0]["Text11"], "");
}

struct UsageRow {
    const char* name;
    std::string badLine;
};

class ScriptUsageError : public ::testing::TestWithParam<UsageRow> {};

TEST_P(ScriptUsageError, StopsAtTheLineAndNamesIt) {
    const std::string script = "{\"dump\": true}\n\n" + GetParam().badLine + "\n{\"dump\": true}\n";
    const ScriptResult result = RunText(script);
    EXPECT_EQ(result.status, kExitUsage);
    EXPECT_EQ(result.output.size(), 1u) << "nothing after the bad line is run";
    EXPECT_NE(result.error.find("line 3"), std::string::npos) << result.error;
    EXPECT_EQ(std::count(result.error.begin(), result.error.end(), '\n'), 1);
}

INSTANTIATE_TEST_SUITE_P(
    BadLines, ScriptUsageError,
    ::testing::Values(UsageRow{"not_json", "{\"set\": "},
                      UsageRow{"number_beyond_range", "{\"dump\": 1e999}"},
                      UsageRow{"not_an_object", "[1, 2]"}, UsageRow{"bare_string", "\"dump\""},
                      UsageRow{"unknown_event", "{\"press\": \"Command1\"}"},
                      UsageRow{"unknown_field", "{\"set\": \"Text12\", \"text\": \"1\"}"},
                      UsageRow{"field_zero", "{\"set\": \"Text0\", \"text\": \"1\"}"},
                      UsageRow{"missing_text", "{\"set\": \"Text1\"}"},
                      UsageRow{"text_not_string", "{\"set\": \"Text1\", \"text\": 5}"},
                      UsageRow{"unknown_button", "{\"click\": \"Command4\"}"},
                      UsageRow{"line_end_in_a_name", "{\"click\": \"Command1\\nCommand2\"}"},
                      UsageRow{"line_end_in_a_member", "{\"dump\": true, \"\\r\\n\": 1}"},
                      UsageRow{"unknown_label", "{\"choose\": \"Label18\"}"},
                      UsageRow{"unknown_option", "{\"choose\": \"Option19\"}"},
                      UsageRow{"choose_a_button", "{\"choose\": \"Command1\"}"},
                      UsageRow{"unknown_window", "{\"unload\": \"Form4\"}"},
                      UsageRow{"dump_false", "{\"dump\": false}"},
                      UsageRow{"extra_member", "{\"click\": \"Command1\", \"twice\": true}"},
                      UsageRow{"two_events", "{\"click\": \"Command1\", \"dump\": true}"},
                      UsageRow{"invalid_utf8", "{\"set\": \"Text1\", \"text\": \"\xff\"}"}),
    [](const auto& rowInfo) { return rowInfo.param.name; });

struct ConvertRow {
    const char* name;
    std::vector<std::string_view> args;
    int status;
    std::string expectedLine; // a line the output must hold (stdout, or stderr on error)
};

class ConvertCommand : public ::testing::TestWithParam<ConvertRow> {};

TEST_P(ConvertCommand, PrintsTheBreakdownOrOneLineError) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunConvert(GetParam().args, Language::Japanese, out, err);
    EXPECT_EQ(status, GetParam().status);
    // A usage error prints nothing but its line; a result that could not be computed still
    // prints the fields, and one line on stderr names what is missing.
    const std::string stdOut = out.str();
    const std::string stdErr = err.str();
    const std::string& text = status == kExitUsage ? stdErr : stdOut;
    EXPECT_NE(text.find(GetParam().expectedLine), std::string::npos) << text;
    EXPECT_EQ(std::count(stdErr.begin(), stdErr.end(), '\n'), status == kExitOk ? 0 : 1) << stdErr;
    if (status == kExitUsage) {
        EXPECT_TRUE(stdOut.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ConvertCommand,
    ::testing::Values(
        ConvertRow{"row_number", {"1234.56", "--currency", "14"}, 0, "換算: 13万5千802\n"},
        ConvertRow{"exact_amount", {"1234.56", "--currency", "14"}, 0, "正確な金額: 135801.6円\n"},
        ConvertRow{
            "dollar_with_tax", {"1234.56", "--currency", "14"}, 0, "$(ドル)+消費税: 1333.3248\n"},
        ConvertRow{"yen_with_tax", {"1234.56", "--currency", "14"}, 0, "日本円+消費税: 135842.1\n"},
        ConvertRow{"caption", {"12.5", "--currency", "カナダ$"}, 0, "換算: 0万1千000\n"},
        ConvertRow{"name", {"100", "--currency", "英ポンド"}, 0, "通貨: 英ポンド（1単位 = 185円）"},
        ConvertRow{"map_control", {"100", "--currency", "Option11"}, 0, "（1単位 = 180円）"},
        ConvertRow{"explicit_rate", {"5", "--rate", "2.7"}, 0, "換算: 0万0千14\n"},
        ConvertRow{"default_dollar", {"1000000"}, 0, "換算: 13000万0千000\n"},
        ConvertRow{"fullwidth_amount", {"１２．５", "--currency", "1"}, 0, "換算: 0万1千000\n"},
        ConvertRow{"unknown_currency", {"5", "--currency", "ペソ"}, 2, "不明な通貨 '"},
        ConvertRow{"row_out_of_range", {"5", "--currency", "18"}, 2, "不明な通貨 '"},
        ConvertRow{"missing_amount", {}, 2, "金額がありません"},
        ConvertRow{"missing_currency_value", {"5", "--currency"}, 2, "--currency には値が必要です"},
        ConvertRow{"amount_with_unit", {"12円"}, 2, "は金額ではありません"},
        ConvertRow{"bad_rate", {"5", "--rate", "x"}, 2, "'x' はレートではありません"},
        ConvertRow{"two_amounts", {"5", "6"}, 2, "余分な引数 '6'"},
        ConvertRow{"iso_code_any_case_to_the_last_letter",
                   {"100", "--currency", "nzD"},
                   0,
                   "通貨: ニュージーランドドル（1単位 = 56円）"},
        ConvertRow{"iso_code_upper", {"1234.56", "--currency", "EUR"}, 0, "換算: 13万5千802\n"},
        ConvertRow{"negative_after_dashes", {"--", "-5"}, 0, "正確な金額: -650円\n"},
        ConvertRow{"option_after_dashes_is_an_amount", {"--", "--rate"}, 2, "は金額ではありません"},
        ConvertRow{"unknown_option", {"5", "--rates", "2"}, 2, "不明なオプション '--rates'"},
        ConvertRow{
            "json_fields",
            {"--json", "1234.56", "--currency", "14"},
            0,
            "{\"Text1\":\"1234.56\",\"Text2\":\"1333.3248\",\"Text3\":\"802\",\"Text4\":"
            "\"135842.1\",\"Text5\":\"110\",\"Text6\":\"EUユーロ\",\"Text7\":\"5\",\"Text8\":"
            "\"13\",\"Text9\":\"135801.6\",\"Text10\":\"130000\",\"Text11\":\"135801.6\"}\n"},
        ConvertRow{"product_beyond_range", {"1e308"}, 1, "正確な金額: 円\n"},
        ConvertRow{"dollar_beyond_range", {"1.7e308", "--rate", "0.5"}, 1, "$(ドル)+消費税: \n"}),
    [](const auto& rowInfo) { return rowInfo.param.name; });

} // namespace
} // namespace zorimex::cli
