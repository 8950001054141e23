#pragma once
// RFC 4180 CSV: a header row, then records; quoted fields may hold commas, quotes and line breaks.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace klarvo::sim {

struct CsvRow {
    int line;  // where the row starts in the file, from 1
    std::vector<std::string> fields;
};

struct CsvTable {
    std::vector<std::string> header;
    std::vector<CsvRow> rows;
};

// Throws std::runtime_error naming the file and line of a malformed row.
CsvTable ParseCsv(std::string_view text, const std::string& fileName);

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

// The table as a CSV text: the header row, then the rows, each ended by a line feed.
std::string CsvText(const CsvTable& table);

}  // namespace klarvo::sim
