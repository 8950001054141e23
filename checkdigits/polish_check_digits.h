#pragma once
// The check digits of two Polish numbers that customer records carry: the tax number (NIP, ten
// digits, the last one weighted from the nine before it, modulo 11) and the bank account number
// (NRB, 26 digits: two check digits and the 24 of the account, ISO 7064 MOD 97-10 as in the
// Polish IBAN). Texts are digits alone; whatever separates groups is taken off before.

#include <optional>
#include <string>
#include <string_view>

namespace klarvo::checkdigits {

// The digits of a text with its blanks and hyphens taken off; nullopt when anything else is left.
std::optional<std::string> DigitsOf(std::string_view text);

// The tenth digit of a NIP for its first nine; nullopt for the nine that no NIP begins with
// (their weighted sum leaves 10).
std::optional<char> NipCheckDigit(std::string_view firstNine);
bool IsValidNip(std::string_view tenDigits);

// The two check digits of an NRB for its 24 account digits.
std::string NrbCheckDigits(std::string_view accountDigits);
bool IsValidNrb(std::string_view twentySixDigits);

}  // namespace klarvo::checkdigits
