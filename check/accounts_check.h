#pragma once
// The customer accounts file read back: every record checked and shown.

#include <string>
#include <string_view>

#include "findings.h"
#include "table.h"

namespace klarvo::check {

struct AccountsContent {
    Table customers;  // number, names, address, bank, tax id, amounts
};

AccountsContent CheckAccounts(std::string_view bytes, const std::string& file, Findings& findings);

}  // namespace klarvo::check
