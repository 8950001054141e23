#pragma once
// The names of the customer account record's fields as the user reads them: the same words in the
// plug-in's notices of what it shortened and in klarvo-check's findings. Written once in UTF-8;
// the plug-in takes them in the host's code page.

#include "src/host/mazovia.h"

namespace klarvo::teta::term {

inline constexpr mazovia::Utf8Literal kShortName{"nazwa skrócona"};
inline constexpr mazovia::Utf8Literal kName{"nazwa"};
inline constexpr mazovia::Utf8Literal kPostcode{"kod pocztowy"};
inline constexpr mazovia::Utf8Literal kCity{"miejscowość"};
inline constexpr mazovia::Utf8Literal kStreet{"ulica"};
inline constexpr mazovia::Utf8Literal kBank{"bank"};
inline constexpr mazovia::Utf8Literal kBankAccount{"numer rachunku"};
inline constexpr mazovia::Utf8Literal kTaxId{"NIP"};
inline constexpr mazovia::Utf8Literal kCreditLimit{"limit kredytu"};
inline constexpr mazovia::Utf8Literal kDiscount{"rabat"};

// A term in the host's code page.
template <mazovia::Utf8Literal Term>
inline constexpr const char* kInMazovia = mazovia::kEncoded<Term>.data();

}  // namespace klarvo::teta::term
