#include "check/language.h"

#include <cstdlib>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace klarvo::check {

Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* name : {lcAll, lcMessages, lang})
        if (name && *name) return std::string_view(name).starts_with("pl") ? Language::Polish : Language::English;
    return Language::English;
}

Language UserLanguage() {
#if defined(_WIN32)
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_POLISH ? Language::Polish : Language::English;
#else
    return LanguageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
#endif
}

std::optional<Language> LanguageNamed(std::string_view name) {
    if (name == "pl") return Language::Polish;
    if (name == "en") return Language::English;
    return std::nullopt;
}

Language LanguageOfArguments(const std::vector<std::string>& arguments, Language otherwise) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::optional<Language> named;
        if (arguments[i] == "--lang" && i + 1 < arguments.size()) named = LanguageNamed(arguments[i + 1]);
        else if (arguments[i].starts_with("--lang=")) named = LanguageNamed(arguments[i].substr(7));
        if (named) otherwise = *named;
    }
    return otherwise;
}

}  // namespace klarvo::check
