#pragma once
// The sales register file read back: every record checked and shown.

#include <cstdint>
#include <string>
#include <string_view>

#include "findings.h"
#include "table.h"

namespace klarvo::check {

struct RegisterContent {
    std::string runDate;  // of the header line
    Table postings;       // account, debit, credit, document, dates, token, description
    std::int64_t documents = 0;
    std::int64_t debit = 0;   // hundredths
    std::int64_t credit = 0;  // hundredths
};

RegisterContent CheckRegister(std::string_view bytes, const std::string& file, Findings& findings);

}  // namespace klarvo::check
