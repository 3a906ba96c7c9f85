#pragma once
// Windows only: Japanese text on a console, and command-line arguments as UTF-8.

#include <string>
#include <vector>

namespace zorimex::cli {

/// Makes std::cout and std::cerr write UTF-16 to the console when they are one. Streams that go
/// to a pipe or a file keep writing the commands' UTF-8 bytes unchanged.
void UseWideConsoleWrites();

/// The command-line arguments as UTF-8, whatever the ANSI code page (argv[0] included).
std::vector<std::string> Utf8Arguments();

} // namespace zorimex::cli
