#pragma once
// One posting of a sales document, made from one entry of the loaded posting scheme.

#include <cstdint>

#include "src/teta/format.h"

namespace klarvo::posting {

inline constexpr std::size_t kAccountLength = teta::kAccountLength;
inline constexpr std::size_t kLineDescriptionLength = teta::kDescriptionLength;
inline constexpr std::size_t kLineShortCodeLength = 3;
// Amount codes 1 to 32 pick document amounts 1 to 32; any other code picks none.
inline constexpr int kAmountCodeCount = 32;

struct PostingLine {
    char debitAccount[kAccountLength + 1] = "";
    char creditAccount[kAccountLength + 1] = "";
    char description[kLineDescriptionLength + 1] = "";
    double amount = 0;  // currency units; one amount for both sides
    char shortCode[kLineShortCodeLength + 1] = "";
    // The first account (debit, else credit) that was longer than 12 characters, as it was made
    // before the cut; empty when neither was cut.
    char uncutAccount[32] = "";
};

// Fills the line from entry `entryIndex` of the host's posting-scheme buffer, with the
// customer code in place of the first K of each account template and the amount picked from
// the document amounts (ten-thousandths), each account cut to 12 characters. Returns true, leaving the line untouched, when the
// entry is empty and so ends the scheme.
bool BuildPostingLine(std::int16_t entryIndex, const double* documentAmounts, PostingLine& line,
                      const char* customerCode);

}  // namespace klarvo::posting
