#pragma once
// The title every message box without one of its own shows, the exact-amount message and the
// failure reports alike.

namespace zorimex {

inline constexpr const char* kApplicationTitle = "ZRMX Ver.6";

} // namespace zorimex
