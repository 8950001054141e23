#pragma once
// The record of one customer in the customer accounts file.

#include "export/output_file.h"

namespace klarvo::exporting {

// Writes the account record of the customer held in a k4 record. No field carries the
// separator Ź (0xA0; written as Z) or a line break (written as a blank).
void WriteCustomerAccount(const void* customer, OutputFile& file);

}  // namespace klarvo::exporting
