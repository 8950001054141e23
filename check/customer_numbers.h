#pragma once
// The numbers of a customer record that the books rely on, checked by their check digits: the tax
// number (NIP) and the bank account number (NRB), and the bank field that the export split into
// the bank's name and the number. What fails is a note naming the customer: the host holds the
// number as it was typed, and only the accountant can tell the right one.

#include <string>
#include <string_view>

#include "check/findings.h"

namespace klarvo::check {

struct CustomerNumbers {
    std::string_view bank, bankAccount, taxId;  // the record's fields, trimmed
};

void CheckCustomerNumbers(const RecordPlace& place, const CustomerNumbers& numbers, const std::string& customer,
                          const std::string& name, Language language);

}  // namespace klarvo::check
