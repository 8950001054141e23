#pragma once
// Splitting the host's one-line texts into the fields of a customer account record. The parts
// are views into the text given; nothing is allocated.

#include <string_view>

namespace klarvo::exporting {

// Only the first 255 characters of a text take part in a split.
inline constexpr std::size_t kSplitTextLength = 255;

struct AddressParts {
    std::string_view postcode;
    std::string_view city;
    std::string_view street;
};

// Postcode (NN-NNN), city and street out of an address in one of the orders the host's users
// write: postcode, city, street ("00-950 Warszawa, ul. Kwiatowa 5", or without a street marker
// "00-950 Warszawa, Polna 7", the street from the comma), street, postcode, city
// ("ul. Kwiatowa 5, 00-950 Warszawa"), or city and street without a postcode ("Warszawa, ul.
// Polna 7"). Street markers are "ul.", "os.", "al." and "pl." in any letter case. A text with
// neither postcode nor street marker is a city; any other arrangement gives three empty parts.
// The parts keep their separators.
AddressParts SplitAddress(std::string_view address);

struct DigitSplit {
    std::string_view leading;  // before the first digit
    std::string_view digits;   // from the first digit to the end
};

// Both parts empty when the text holds no digit.
DigitSplit SplitAtFirstDigit(std::string_view text);

}  // namespace klarvo::exporting
