#pragma once
// The record of one customer in the customer accounts file.

#include <cstddef>
#include <cstdint>

#include "src/export/output_file.h"

namespace klarvo::exporting {

// A customer text that could not stand in the file as it was.
struct TextChange {
    std::int32_t customer = 0;
    const char* field = nullptr;  // its name for the user, Mazovia; null when nothing changed
    char before[256] = "";
    char after[256] = "";
};

// What a record changed: the first text cut to its field, the first text with the separator or
// a line break replaced.
struct CustomerChanges {
    TextChange cut;
    TextChange replaced;
    TextChange rounded;  // an amount with more than two decimals, rounded to whole grosze
};

// Writes the account record of the customer held in a k4 record. No field carries the
// separator Ź (0xA0; written as Z) or a line break (written as a blank); a bank account number
// loses its blanks before it would be cut. What had to change is told back.
CustomerChanges WriteCustomerAccount(const void* customer, OutputFile& file);

}  // namespace klarvo::exporting
