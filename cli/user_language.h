#pragma once
// Which language zorimex-cli speaks to its user. The same rule as the desktop program (and Qt) on
// Unix; on Windows, the user's display language.

#include "messages.h"

#include <functional>

namespace zorimex::cli {

/// Japanese when the first entry of LANGUAGE (':'-separated) begins with "ja", or, where LANGUAGE
/// is unset or empty, when the first set and non-empty one of LC_ALL, LC_MESSAGES and LANG does;
/// English otherwise. `variable` gives a variable's value, or nullptr where it is unset. Only the
/// variables are read: a locale the system does not have still chooses the language.
Language LanguageFromEnvironment(const std::function<const char*(const char*)>& variable);

/// On Windows, Japanese when the user's display language is; elsewhere the rule above on the
/// process's environment.
Language UserLanguage();

} // namespace zorimex::cli
