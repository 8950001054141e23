#pragma once
// What the check finds in the Teta files: a place (file, line, field) and what is wrong there.

#include <string>
#include <vector>

namespace klarvo::check {

enum class FindingKind {
    Structure,   // lines, fields, widths, constants, dates, amounts
    Balance,     // a document whose debits and credits differ
    Customers,   // a customer account that stands twice
    Characters,  // a byte that is no letter or sign of Polish text
};

struct Finding {
    FindingKind kind;
    std::string file;
    int line;           // from 1; 0 for the whole file
    std::string field;  // empty for the whole line
    std::string text;   // UTF-8
};

// Findings are faults that Teta would import wrongly or not at all; notes (customers whose
// address could not be split) can be imported but should be corrected in the host first.
struct Findings {
    std::vector<Finding> faults;
    std::vector<Finding> notes;

    void Fault(FindingKind kind, const std::string& file, int line, const std::string& field, const std::string& text) {
        faults.push_back({kind, file, line, field, text});
    }
};

// "FILE, line L, field F: text".
std::string Describe(const Finding& finding);

}  // namespace klarvo::check
