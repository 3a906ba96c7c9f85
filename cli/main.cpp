// zorimex-cli: the conversion core from the command line.

#include "convert_command.h"
#include "script_driver.h"

#include <iostream>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage = "usage: zorimex-cli convert AMOUNT [--currency X | --rate R]\n"
                               "       zorimex-cli currencies\n"
                               "       zorimex-cli script < events.jsonl\n";

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
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
