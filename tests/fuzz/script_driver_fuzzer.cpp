// libFuzzer target: arbitrary bytes as the JSON-lines input of `zorimex-cli script`. The driver
// must never crash, must end with one of its three statuses, and every line it writes must be a
// JSON object a caller can parse, whatever the texts it was given.

#include "script_driver.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "property broken: %s: [%s]\n", what, detail.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    // In Japanese, so the translated diagnostics, with the input's names put into them, are
    // held to the one-line rule too.
    const int status = zorimex::cli::RunScript(in, zorimex::cli::Language::Japanese, out, err);
    if (status != zorimex::cli::kExitOk && status != zorimex::cli::kExitUsage)
        Fail("unexpected status", std::to_string(status));
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        const auto parsed = nlohmann::json::parse(line, nullptr, /*allow_exceptions=*/false);
        if (parsed.is_discarded() || !parsed.is_object())
            Fail("output line is not a JSON object", line);
    }
    const std::string diagnostic = err.str();
    if (status == zorimex::cli::kExitUsage &&
        (diagnostic.empty() || diagnostic.find('\n') != diagnostic.size() - 1))
        Fail("a usage error must be one line on stderr", diagnostic);
    return 0;
}
