// zorimex-cli: the conversion core from the command line.

#include "convert_command.h"
#include "script_driver.h"
#ifdef _WIN32
#include "windows_console.h"
#endif

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage = "usage: zorimex-cli convert AMOUNT [--currency X | --rate R]\n"
                               "       zorimex-cli currencies\n"
                               "       zorimex-cli script < events.jsonl\n";

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
#ifdef _WIN32
    // argv is in the ANSI code page there; the commands read UTF-8.
    const std::vector<std::string> utf8Args = zorimex::cli::Utf8Arguments();
    const std::vector<std::string_view> args(utf8Args.begin() + (utf8Args.empty() ? 0 : 1),
                                             utf8Args.end());
    zorimex::cli::UseWideConsoleWrites();
    (void)argc;
    (void)argv;
#else
    const std::vector<std::string_view> args(argv + 1, argv + argc);
#endif
    if (args.empty()) {
        std::cerr << kUsage;
        return zorimex::cli::kExitUsage;
    }
    const std::string_view command = args.front();
    const std::span<const std::string_view> rest(args.begin() + 1, args.end());
    if (command == "convert")
        return zorimex::cli::RunConvert(rest, std::cout, std::cerr);
    if (command == "currencies" && rest.empty())
        return zorimex::cli::RunCurrencies(std::cout);
    if (command == "script" && rest.empty())
        return zorimex::cli::RunScript(std::cin, std::cout, std::cerr);
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return zorimex::cli::kExitOk;
    }
    std::cerr << "zorimex-cli: unknown command '" << command << "'\n" << kUsage;
    return zorimex::cli::kExitUsage;
}
