// zorimex-cli: the conversion core from the command line.

#include "convert_command.h"
#include "script_driver.h"
#ifdef _WIN32
#include "windows_console.h"
#endif

#include <cerrno>
#include <cstring>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: zorimex-cli convert [--json] AMOUNT [--currency X | --rate R]\n"
    "       zorimex-cli currencies [--json]\n"
    "       zorimex-cli script < events.jsonl\n"
    "       zorimex-cli --help | --version\n";

int Run(std::string_view command, std::span<const std::string_view> rest) {
    using namespace zorimex::cli;
    if (command == "convert")
        return RunConvert(rest, std::cout, std::cerr);
    if (command == "currencies")
        return RunCurrencies(rest, std::cout, std::cerr);
    if (command == "script") {
        if (!rest.empty()) {
            std::cerr << "zorimex-cli script: unexpected argument '" << rest.front()
                      << "' (the events come on standard input)\n";
            return kExitUsage;
        }
        return RunScript(std::cin, std::cout, std::cerr);
    }
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return kExitOk;
    }
    if (command == "--version") {
        std::cout << "zorimex-cli " ZORIMEX_VERSION "\n";
        return kExitOk;
    }
    if (command.starts_with('-'))
        std::cerr << "zorimex-cli: unknown option '" << command << "'\n" << kUsage;
    else
        std::cerr << "zorimex-cli: unknown subcommand '" << command << "'\n" << kUsage;
    return kExitUsage;
}

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
    const int status = Run(args.front(), std::span(args).subspan(1));
    // Output that never arrived is a failure, whatever the command made of its input; a command
    // that already failed has said so in its own line.
    errno = 0;
    if (!std::cout.flush() && status != zorimex::cli::kExitFailure) {
        const int error = errno;
        std::cerr << "zorimex-cli: could not write the output"
                  << (error != 0 ? std::string(": ") + std::strerror(error) : std::string())
                  << '\n';
        return status == zorimex::cli::kExitOk ? zorimex::cli::kExitFailure : status;
    }
    return status;
}
