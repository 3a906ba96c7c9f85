// zorimex-cli: the conversion core from the command line.

#include "convert_command.h"
#include "messages.h"
#include "script_driver.h"
#include "user_language.h"
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

using zorimex::cli::Language;
using zorimex::cli::MessageId;
using zorimex::cli::Text;

int Run(std::string_view command, std::span<const std::string_view> rest, Language language) {
    using namespace zorimex::cli;
    if (command == "convert")
        return RunConvert(rest, language, std::cout, std::cerr);
    if (command == "currencies")
        return RunCurrencies(rest, language, std::cout, std::cerr);
    if (command == "script") {
        if (!rest.empty()) {
            std::cerr << "zorimex-cli script: "
                      << Text(language, MessageId::ScriptTakesNoArgument, {rest.front()}) << '\n';
            return kExitUsage;
        }
        return RunScript(std::cin, language, std::cout, std::cerr);
    }
    if (command == "--help" || command == "-h") {
        std::cout << Text(language, MessageId::Usage);
        return kExitOk;
    }
    if (command == "--version") {
        std::cout << "zorimex-cli " ZORIMEX_VERSION "\n";
        return kExitOk;
    }
    const MessageId unknown =
        command.starts_with('-') ? MessageId::UnknownOption : MessageId::UnknownSubcommand;
    std::cerr << "zorimex-cli: " << Text(language, unknown, {command}) << '\n'
              << Text(language, MessageId::Usage);
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
    const Language language = zorimex::cli::UserLanguage();
    if (args.empty()) {
        std::cerr << Text(language, MessageId::Usage);
        return zorimex::cli::kExitUsage;
    }
    const int status = Run(args.front(), std::span(args).subspan(1), language);
    // Output that never arrived is a failure, whatever the command made of its input; a command
    // that already failed has said so in its own line.
    errno = 0;
    if (!std::cout.flush() && status != zorimex::cli::kExitFailure) {
        const int error = errno;
        std::cerr << "zorimex-cli: " << Text(language, MessageId::CouldNotWriteOutput)
                  << (error != 0 ? std::string(": ") + std::strerror(error) : std::string())
                  << '\n';
        return status == zorimex::cli::kExitOk ? zorimex::cli::kExitFailure : status;
    }
    return status;
}
