#include "checkdigits/polish_check_digits.h"

#include <algorithm>
#include <array>

namespace klarvo::checkdigits {
namespace {

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The remainder by 97 of the number that the digits write, read left to right.
int Mod97(std::string_view digits) {
    int rest = 0;
    for (const char digit : digits) rest = (rest * 10 + (digit - '0')) % 97;
    return rest;
}

// "PL" as MOD 97-10 writes letters: A is 10, so P is 25 and L is 21.
constexpr std::string_view kPolandDigits = "2521";

}  // namespace

std::optional<std::string> DigitsOf(std::string_view text) {
    std::string digits;
    for (const char c : text) {
        if (c == ' ' || c == '-') continue;
        if (c < '0' || c > '9') return std::nullopt;
        digits += c;
    }
    return digits;
}

std::optional<char> NipCheckDigit(std::string_view firstNine) {
    constexpr std::array<int, 9> kWeights = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    if (firstNine.size() != kWeights.size() || !AllDigits(firstNine)) return std::nullopt;
    int sum = 0;
    for (std::size_t k = 0; k < kWeights.size(); ++k) sum += kWeights[k] * (firstNine[k] - '0');
    if (sum % 11 == 10) return std::nullopt;
    return static_cast<char>('0' + sum % 11);
}

bool IsValidNip(std::string_view tenDigits) {
    if (tenDigits.size() != 10) return false;
    const std::optional<char> check = NipCheckDigit(tenDigits.substr(0, 9));
    return check && *check == tenDigits[9];
}

std::string NrbCheckDigits(std::string_view accountDigits) {
    const int check = 98 - Mod97(std::string(accountDigits) + std::string(kPolandDigits) + "00");
    return {static_cast<char>('0' + check / 10), static_cast<char>('0' + check % 10)};
}

bool IsValidNrb(std::string_view twentySixDigits) {
    if (twentySixDigits.size() != 26 || !AllDigits(twentySixDigits)) return false;
    return Mod97(std::string(twentySixDigits.substr(2)) + std::string(kPolandDigits) + std::string(twentySixDigits.substr(0, 2))) == 1;
}

}  // namespace klarvo::checkdigits
