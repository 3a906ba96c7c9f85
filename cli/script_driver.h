#pragma once
// The JSON-lines event protocol of `zorimex-cli script`: the project's stable machine interface.
// Each input line is one event on a headless main window; events with output write one line.

#include "messages.h"

#include "zorimex/fields.h"

#include <iosfwd>
#include <string>

namespace zorimex::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // a result could not be computed, or output was lost
inline constexpr int kExitUsage = 2;

/// The eleven fields as one JSON object, {"Text1": ..., "Text11": ...}, on one line. Text that is
/// not UTF-8 comes out with U+FFFD in its place, so the line is always valid JSON.
std::string FieldsJson(const Fields& fields);

/// Runs events from `in` until its end or the first usage error. Writes event output to `out`
/// (one JSON object per line, UTF-8) and a one-line diagnostic in `language` naming the line
/// number to `err`. Returns kExitOk; kExitUsage after a malformed line; kExitFailure once `out`
/// fails. Nothing after such a line is read.
int RunScript(std::istream& in, Language language, std::ostream& out, std::ostream& err);

} // namespace zorimex::cli
