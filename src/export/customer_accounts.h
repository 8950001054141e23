#pragma once
// The record of one customer in the customer accounts file.

#include <cstddef>
#include <cstdint>

#include "export/output_file.h"

namespace klarvo::exporting {

// A customer text that was longer than its field and lost its end.
struct TextCut {
    std::int32_t customer = 0;
    const char* field = nullptr;  // its name for the user, Mazovia; null when nothing was cut
    char before[256] = "";
    char after[64] = "";
};

// Writes the account record of the customer held in a k4 record. No field carries the
// separator Ź (0xA0; written as Z) or a line break (written as a blank). The first text that
// had to be cut to its field is told back; a bank account number loses its blanks before it
// would be cut.
TextCut WriteCustomerAccount(const void* customer, OutputFile& file);

}  // namespace klarvo::exporting
