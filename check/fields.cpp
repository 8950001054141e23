#include "check/fields.h"

#include <chrono>
#include <cstdio>

#include "src/host/mazovia.h"

namespace klarvo::check {
namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

int Number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return value;
}

const std::string_view kPolishLetters = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"_mz;

}  // namespace

bool IsDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    const std::string_view year = text.substr(0, 4), month = text.substr(5, 2), day = text.substr(8, 2);
    if (!AllDigits(year) || !AllDigits(month) || !AllDigits(day)) return false;
    using namespace std::chrono;
    return year_month_day{std::chrono::year{Number(year)}, std::chrono::month{unsigned(Number(month))},
                          std::chrono::day{unsigned(Number(day))}}
        .ok();
}

std::optional<std::int64_t> Hundredths(std::string_view text, std::size_t width) {
    if (text.size() < width) return std::nullopt;
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos || (start > 0 && text.size() != width)) return std::nullopt;
    std::string_view number = text.substr(start);
    const bool negative = number.starts_with('-');
    if (negative) number.remove_prefix(1);
    const std::size_t point = number.find('.');
    if (point == std::string_view::npos || number.size() - point != 3) return std::nullopt;
    const std::string_view whole = number.substr(0, point), fraction = number.substr(point + 1);
    if (!AllDigits(whole) || !AllDigits(fraction) || whole.size() > 15) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : whole) value = value * 10 + (c - '0');
    value = value * 100 + Number(fraction);
    return negative ? -value : value;
}

std::optional<Message> StrangeCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte >= 0x20 && byte < 0x7F) || kPolishLetters.find(text[i]) != std::string_view::npos) continue;
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        const std::string position = std::to_string(i + 1);
        if (byte < 0x20 || byte == 0x7F) return Message{Text::StrangeControl, {hex, position}};
        return Message{Text::StrangeCharacter, {mazovia::ToUtf8(std::string(1, text[i])), hex, position}};
    }
    return std::nullopt;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(' ') - start + 1);
}

}  // namespace klarvo::check
