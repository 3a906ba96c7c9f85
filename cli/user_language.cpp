#include "user_language.h"

#include <cstdlib>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zorimex::cli {

Language LanguageFromEnvironment(const std::function<const char*(const char*)>& variable) {
    std::string_view chosen;
    if (const char* languages = variable("LANGUAGE"); languages != nullptr && *languages != '\0') {
        chosen = languages;
        chosen = chosen.substr(0, chosen.find(':'));
    } else {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            if (const char* value = variable(name); value != nullptr && *value != '\0') {
                chosen = value;
                break;
            }
        }
    }
    return chosen.starts_with("ja") ? Language::Japanese : Language::English;
}

Language UserLanguage() {
#ifdef _WIN32
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::Japanese
                                                                      : Language::English;
#else
    return LanguageFromEnvironment([](const char* name) { return std::getenv(name); });
#endif
}

} // namespace zorimex::cli
