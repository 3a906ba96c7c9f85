#pragma once
// The program's own command line: it takes no arguments of its own beyond --help and --version,
// and lets through the options Qt's GUI layer reads itself (-platform, -style, ...). Handled
// before the QApplication exists, so that --help and --version work without a display. What it
// prints is in the user's language.

#include <QString>

#include <cstdio>
#include <optional>

namespace zorimex::app {

/// When the arguments ask for help or the version, prints it on standard output and returns 0;
/// when they hold anything else the program does not take, prints one line on standard error and
/// returns 2. Returns nothing when the program should start.
std::optional<int> HandleCommandLine(int argc, const char* const* argv);

/// Writes `line` and a line end to `stream`, in the encoding the terminal reads.
void PrintLine(std::FILE* stream, const QString& line);

} // namespace zorimex::app
