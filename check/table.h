#pragma once
// What the check shows of a file, one row at a time: aligned columns for a person, CSV for a
// program, or CSV as a Polish spreadsheet opens it (UTF-8 with its byte order mark, ";" between
// fields, a decimal comma).

#include <ostream>
#include <string>
#include <vector>

namespace klarvo::check {

enum class TableForm { Aligned, Csv, Excel };

struct TableColumn {
    std::string name;
    std::size_t width;  // of the aligned form: the field's width in the file
    bool amount;        // written with a decimal comma in the spreadsheet form
};

// The columns of the two tables.
const std::vector<TableColumn>& PostingTable();
const std::vector<TableColumn>& AccountTable();

class TableWriter {
public:
    // Writes the heading (and, for the spreadsheet, its byte order mark) at once.
    TableWriter(std::ostream& out, TableForm form, const std::vector<TableColumn>& columns);

    // One row of Mazovia texts.
    void Write(const std::vector<std::string>& row);

private:
    void Line(const std::vector<std::string>& utf8);

    std::ostream& out_;
    TableForm form_;
    const std::vector<TableColumn>& columns_;
};

}  // namespace klarvo::check
