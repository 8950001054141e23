#pragma once
// The customer accounts file read back as a stream: every record checked, and what the
// register's postings are checked against.

#include <cstdint>
#include <functional>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/findings.h"

namespace klarvo::check {

using Row = std::vector<std::string>;  // Mazovia texts
using RowSink = std::function<void(const Row& row)>;

// Every customer number a record can carry: 1 to 65999 and -1 to -65999.
class CustomerSet {
public:
    bool Has(std::int32_t number) const { return InRange(number) && present_[Index(number)]; }
    // False when it was there already.
    bool Add(std::int32_t number);
    static bool InRange(std::int32_t number) { return number != 0 && number >= -65999 && number <= 65999; }

private:
    static std::size_t Index(std::int32_t number) { return static_cast<std::size_t>(number + 65999); }
    std::vector<bool> present_ = std::vector<bool>(2 * 65999 + 1);
};

// A customer number as the record's field writes it: 1 to 65999 or -1 to -65999.
std::optional<std::int32_t> CustomerNumberOf(std::string_view text);

struct AccountsContent {
    std::int64_t customers = 0;
    CustomerSet numbers;
    std::vector<std::pair<std::int32_t, std::int64_t>> lines;  // each customer's first record and its line
    std::map<std::int32_t, std::string> records;  // the record lines, when asked for (history)
    bool foreign = false;                         // not a customer accounts file at all
};

// `rows` sees each record's fields; `keepRecords` keeps each record line by customer.
AccountsContent CheckAccounts(std::istream& in, const std::string& file, Findings& findings, const RowSink& rows = {},
                              bool keepRecords = false);

}  // namespace klarvo::check
