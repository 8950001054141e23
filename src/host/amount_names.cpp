#include "src/host/amount_names.h"

#include <string>

#include "src/host/mazovia.h"

namespace klarvo::host {
namespace {

// Index = amount code. The rate names are padded so that the rate ends in the ninth character.
constexpr const char* kAmountNames[kAmountNameCount] = {
    "---",
    "Netto ogółem"_mz,
    "Vat ogółem"_mz,
    "Brutto ogółem"_mz,
    "Net w c. zak.",
    "Vat w c. zak.",
    "Bru w c. zak.",
    "---",
    "---",
    "---",
    "---",
    "Netto  22",
    "Vat    22",
    "Brutto 22",
    "Netto   7",
    "Vat     7",
    "Brutto  7",
    "Netto   0",
    "Netto  zw",
    "Netto   3",
    "Vat     3",
    "Brutto  3",
    "Netto   5",
    "Vat     5",
    "Brutto  5",
    "Opakowania",
    "Brutto z opakowaniami",
    "Netto  23",
    "Vat    23",
    "Brutto 23",
    "Netto   8",
    "Vat     8",
    "Brutto  8",
};

constexpr bool AllFitTheListText() {
    for (const char* name : kAmountNames)
        if (std::char_traits<char>::length(name) > kLongestAmountName) return false;
    return true;
}
static_assert(AllFitTheListText());

}  // namespace

const char* AmountName(int code) {
    return code >= 0 && code < kAmountNameCount ? kAmountNames[code] : "";
}

}  // namespace klarvo::host
