#pragma once
// What the check shows of a file: named columns and rows of Mazovia texts.

#include <ostream>
#include <string>
#include <vector>

namespace klarvo::check {

struct Table {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

// Aligned columns, UTF-8, a header row and a rule under it.
void PrintAligned(std::ostream& out, const Table& table);

// RFC 4180 CSV in UTF-8 with a header row; fields quoted where they must be.
void PrintCsv(std::ostream& out, const Table& table);

}  // namespace klarvo::check
