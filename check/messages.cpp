#include "check/messages.h"

#include <array>

#include "src/host/polish_count.h"

namespace klarvo::check {
namespace {

struct Row {
    std::string_view english, polish;
};

// In the order of Text.
constexpr Row kRows[] = {
#define KLARVO_TEXT_ROW(name, english, polish) {english, polish},
#define KLARVO_FIELD_TEXT_ROW(Name, Kind, width, constant, key, shown, english, polish) {english, polish},
    KLARVO_CHECK_TEXTS(KLARVO_TEXT_ROW)
    KLARVO_CHECK_FIELD_TEXTS(KLARVO_FIELD_TEXT_ROW)
#undef KLARVO_FIELD_TEXT_ROW
#undef KLARVO_TEXT_ROW
};

// The numbers N of a text's {N}, as bits.
constexpr std::uint32_t Placeholders(std::string_view text) {
    std::uint32_t bits = 0;
    for (std::size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', at + 1)) {
        unsigned number = 0;
        for (std::size_t digit = at + 1; digit < text.size() && text[digit] >= '0' && text[digit] <= '9'; ++digit)
            number = number * 10 + static_cast<unsigned>(text[digit] - '0');
        bits |= 1u << number;
    }
    return bits;
}

// A text empty in one language, or with arguments the other lacks, fails the build, not the user.
constexpr bool Translated() {
    for (const Row& row : kRows)
        if (row.english.empty() || row.polish.empty() || Placeholders(row.english) != Placeholders(row.polish)) return false;
    return true;
}
static_assert(std::size(kRows) == static_cast<std::size_t>(Text::Count));
static_assert(Translated(), "a text without both wordings, or with arguments that differ");

// Digits in groups of three from the right, for a Polish number of five digits or more, the groups
// held together by a non-breaking space.
std::string Grouped(Language language, std::string digits) {
    if (language != Language::Polish || digits.size() < 5) return digits;
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, "\u00A0");
    return digits;
}

}  // namespace

std::string_view Wording(Language language, Text text) {
    const Row& row = kRows[static_cast<std::size_t>(text)];
    return language == Language::Polish ? row.polish : row.english;
}

std::string Say(Language language, const Message& message) {
    const std::string_view wording = Wording(language, message.text);
    std::string said;
    for (std::size_t at = 0; at < wording.size();) {
        const std::size_t open = wording.find('{', at);
        const std::size_t close = open == std::string_view::npos ? open : wording.find('}', open);
        if (close == std::string_view::npos) {
            said += wording.substr(at);
            break;
        }
        said += wording.substr(at, open - at);
        std::size_t number = 0;
        for (const char digit : wording.substr(open + 1, close - open - 1)) number = number * 10 + (digit - '0');
        if (number >= 1 && number <= message.arguments.size()) said += message.arguments[number - 1];
        at = close + 1;
    }
    return said;
}

CheckFailure::CheckFailure(Message message)
    : std::runtime_error(Say(Language::English, message)), message(std::move(message)) {}

std::string Amount(Language language, std::int64_t hundredths) {
    const std::uint64_t magnitude = hundredths < 0 ? 0 - static_cast<std::uint64_t>(hundredths) : hundredths;
    const std::string cents = std::to_string(magnitude % 100);
    return (hundredths < 0 ? "-" : "") + Grouped(language, std::to_string(magnitude / 100)) +
           (language == Language::Polish ? "," : ".") + (cents.size() < 2 ? "0" : "") + cents;
}

std::string Count(Language language, std::int64_t count) {
    return (count < 0 ? "-" : "") + Grouped(language, std::to_string(count < 0 ? -count : count));
}

std::string Counted(Language language, std::int64_t count, Noun noun) {
    struct Forms {
        std::string_view englishOne, englishMany;
        polish::Forms<std::string_view> polish;
    };
    // In the order of Noun.
    static constexpr Forms kNouns[] = {
        {"byte", "bytes", {"bajt", "bajty", "bajtów"}},
        {"character", "characters", {"znak", "znaki", "znaków"}},
        {"digit", "digits", {"cyfrę", "cyfry", "cyfr"}},
        {"field followed by the separator", "fields, each followed by the separator",
         {"pole zakończone separatorem", "pola zakończone separatorem", "pól zakończonych separatorem"}},
        {"field after the separator Ź", "fields, each after the separator Ź",
         {"pole po separatorze Ź", "pola po separatorze Ź", "pól po separatorze Ź"}},
        {"place", "places", {"miejsce", "miejsca", "miejsc"}},
        {"range", "ranges", {"przedział", "przedziały", "przedziałów"}},
        {"finding", "findings", {"błąd", "błędy", "błędów"}},
        {"note", "notes", {"uwagę", "uwagi", "uwag"}},
    };
    const Forms& forms = kNouns[static_cast<std::size_t>(noun)];
    const std::string_view word = language == Language::Polish ? forms.polish.After(count)
                                                               : (count == 1 ? forms.englishOne : forms.englishMany);
    return Count(language, count) + " " + std::string(word);
}

std::string SystemError(Language language, const std::error_code& code) {
    struct Meaning {
        std::errc error;
        std::string_view polish;
    };
    static constexpr Meaning kMeanings[] = {
        {std::errc::not_a_directory, "to nie jest folder"},
        {std::errc::is_a_directory, "to jest folder"},
        {std::errc::no_such_file_or_directory, "nie ma takiego pliku ani folderu"},
        {std::errc::permission_denied, "brak uprawnień"},
        {std::errc::operation_not_permitted, "brak uprawnień"},
        {std::errc::read_only_file_system, "dysk tylko do odczytu"},
        {std::errc::no_space_on_device, "brak miejsca na dysku"},
        {std::errc::file_exists, "taki plik już istnieje"},
        {std::errc::directory_not_empty, "folder nie jest pusty"},
        {std::errc::filename_too_long, "za długa nazwa"},
        {std::errc::io_error, "błąd odczytu albo zapisu dysku"},
    };
    if (language == Language::Polish)
        for (const Meaning& meaning : kMeanings)
            if (code == meaning.error) return std::string(meaning.polish);
    return code.message();
}

std::string Date(Language language, std::string_view date) {
    if (language != Language::Polish || date.size() != 10 || date[4] != '-' || date[7] != '-') return std::string(date);
    return std::string(date.substr(8, 2)) + "." + std::string(date.substr(5, 2)) + "." + std::string(date.substr(0, 4));
}

}  // namespace klarvo::check
