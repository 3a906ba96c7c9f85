#pragma once
// The JSON-lines event protocol of `zorimex-cli script`: the project's stable machine interface.
// Each input line is one event on a headless main window; events with output write one line.

#include <iosfwd>

namespace zorimex::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

/// Runs events from `in` until its end or the first usage error. Writes event output to `out`
/// (one JSON object per line, UTF-8) and a one-line diagnostic naming the line number to `err`.
/// Returns kExitOk, or kExitUsage after a malformed line; nothing after that line is read.
int RunScript(std::istream& in, std::ostream& out, std::ostream& err);

} // namespace zorimex::cli
