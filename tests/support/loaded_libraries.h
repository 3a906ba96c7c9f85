#pragma once
// Which libraries a process has loaded: the web engine and a GL driver must stay out of a process
// until a page is shown. Where the list cannot be had, the test says so instead of passing.

#include <QByteArray>

#include <optional>

namespace zorimex::test {

/// The file names of the libraries loaded into process `pid` (this process when 0), in no
/// particular form beyond containing each name; nothing where they cannot be listed. Other
/// processes can be listed on Linux only (/proc).
std::optional<QByteArray> LoadedLibraries(long long pid = 0);

/// Whether `libraries` holds the web engine.
bool HasWebEngine(const QByteArray& libraries);

/// Whether `libraries` holds a GL driver: only an OpenGL context loads one (Qt Gui loads the
/// dispatch libraries libGLX, libEGL and libOpenGL in every process).
bool HasGlDriver(const QByteArray& libraries);

} // namespace zorimex::test
