#pragma once
// Every text klarvo-check shows, in English and in Polish, named as check/text_list.h lists them; numbers
// and dates written as a reader of each language writes them.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "check/language.h"
#include "check/text_list.h"

namespace klarvo::check {

enum class Text : std::uint16_t {
#define KLARVO_TEXT_NAME(name, english, polish) name,
#define KLARVO_FIELD_TEXT_NAME(Name, Kind, width, constant, key, shown, english, polish) Field##Name,
    KLARVO_CHECK_TEXTS(KLARVO_TEXT_NAME)
    KLARVO_CHECK_FIELD_TEXTS(KLARVO_FIELD_TEXT_NAME)
#undef KLARVO_FIELD_TEXT_NAME
#undef KLARVO_TEXT_NAME
    Count
};

// A text and its arguments, already written in the language that shows them.
struct Message {
    Message(Text text, std::vector<std::string> arguments = {}) : text(text), arguments(std::move(arguments)) {}

    Text text;
    std::vector<std::string> arguments;
};

std::string Say(Language language, const Message& message);

// What stops a check (a file or a folder that cannot be read, an archive that cannot be written),
// to be told in the user's language; what() says it in English.
class CheckFailure : public std::runtime_error {
public:
    explicit CheckFailure(Message message);

    const Message message;
};

// The text as it stands in the table, its {N} unfilled.
std::string_view Wording(Language language, Text text);

// Hundredths: "2558.41" in English, "2558,41" in Polish (and "71 558,88": Polish groups the
// thousands of a number of five digits or more, with a non-breaking space).
std::string Amount(Language language, std::int64_t hundredths);

// A count, grouped as Amount groups it.
std::string Count(Language language, std::int64_t count);

// Nouns that follow a count, in the form the count asks for.
enum class Noun { Byte, Character, Digit, FieldWithSeparator, FieldAfterZ, Place, Range, Finding, Note };

// "1 range", "3 ranges"; "1 przedział", "3 przedziały", "5 przedziałów": the count written as
// Count writes it, the noun in the form that the count asks for.
std::string Counted(Language language, std::int64_t count, Noun noun);

// What the system said of a failure, in the language: in Polish by what it means ("to nie jest
// folder"), the system's own words for the rare ones.
std::string SystemError(Language language, const std::error_code& code);

// A date YYYY-MM-DD: as it stands in English, DD.MM.YYYY in Polish; anything else as it stands.
std::string Date(Language language, std::string_view date);

}  // namespace klarvo::check
