#pragma once
// The sales register file read back as a stream: every record checked, every document balanced,
// and every posting to a customer's account held against the customer accounts file.

#include <cstdint>
#include <istream>
#include <map>
#include <string>

#include "check/accounts_check.h"
#include "check/findings.h"
#include "check/scheme_accounts.h"

namespace klarvo::check {

// A document as the register names it: its number (Mazovia) and its date.
struct DocumentKey {
    std::string number, date;
    auto operator<=>(const DocumentKey&) const = default;
};

// What the register is checked against besides itself.
struct RegisterContext {
    const AccountsContent* accounts = nullptr;  // null: no cross-check (the accounts file is not one)
    CustomerTemplates scheme = TemplatesOf(DefaultPostingScheme());
    // Documents of earlier exports (history), each with the folder of the export that holds it.
    const std::map<DocumentKey, std::string>* earlier = nullptr;
};

struct RegisterContent {
    std::string runDate;  // of the header line
    std::int64_t documents = 0;
    std::int64_t postings = 0;
    std::int64_t debit = 0;   // hundredths
    std::int64_t credit = 0;  // hundredths
    std::string firstDate, lastDate;  // of the documents, YYYY-MM-DD
    bool foreign = false;             // not a sales register file at all
    CustomerSet booked;               // the customers whose accounts a posting books to
    // Accounts whose customer code the cut to 12 characters shortened, with the line of the
    // first posting to each: the customers they may belong to are told by the accounts file.
    std::map<std::string, std::pair<CutCustomerAccount, std::int64_t>> cutAccounts;
};

// `documents` sees each document once, as its records end (for the history).
RegisterContent CheckRegister(std::istream& in, const std::string& file, Findings& findings,
                              const RegisterContext& context, const RowSink& rows = {},
                              const std::function<void(const DocumentKey&)>& documents = {});

}  // namespace klarvo::check
