#pragma once
// What the check shows of a file, one row at a time: aligned columns for a person, CSV for a
// program, or CSV as a Polish spreadsheet opens it (UTF-8 with its byte order mark, ";" between
// fields, a decimal comma).

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "check/messages.h"

namespace klarvo::check {

enum class TableForm { Aligned, Csv, Excel };

// What a column holds: amounts are written with a decimal comma in the spreadsheet form, and
// amounts and dates as the reader's language writes them in the aligned form.
enum class ColumnKind { Text, Amount, Date };

struct TableColumn {
    std::string_view key;  // its name in CSV, for programs: the same in every language
    Text name;             // its heading for people
    std::size_t width;     // of the aligned form (or its heading's, if wider)
    ColumnKind kind;
};

class TableWriter {
public:
    // Writes the heading at once: the columns' keys for CSV, their names in the language for the
    // others (and, for the spreadsheet, its byte order mark).
    TableWriter(std::ostream& out, TableForm form, const std::vector<TableColumn>& columns, Language language);

    // One row of Mazovia texts.
    void Write(const std::vector<std::string>& row);

private:
    void Line(const std::vector<std::string>& utf8);

    std::ostream& out_;
    TableForm form_;
    Language language_;
    const std::vector<TableColumn>& columns_;
    std::vector<std::size_t> widths_;  // of the aligned form
};

}  // namespace klarvo::check
