#pragma once
// The language klarvo-check speaks: Polish to a user whose system speaks Polish, English to
// everyone else.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klarvo::check {

enum class Language { English, Polish };

// The language of the locale variables as the C library reads them: LC_ALL, else LC_MESSAGES,
// else LANG (a null or empty one is not set).
Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);

// The user's: on Windows their interface language, elsewhere the locale variables.
Language UserLanguage();

// "pl" or "en"; nothing for another name.
std::optional<Language> LanguageNamed(std::string_view name);

// The language that "--lang NAME" or "--lang=NAME" among the arguments asks for, else `otherwise`:
// read before the command line itself, so that its help and its errors are in that language.
Language LanguageOfArguments(const std::vector<std::string>& arguments, Language otherwise);

}  // namespace klarvo::check
