#include "table.h"

#include <algorithm>

#include "host/mazovia.h"

namespace klarvo::check {
namespace {

// One byte of Mazovia is one character on screen.
std::vector<std::size_t> Widths(const Table& table) {
    std::vector<std::size_t> widths;
    for (const std::string& column : table.columns) widths.push_back(mazovia::FromUtf8(column).size());
    for (const auto& row : table.rows)
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
    return widths;
}

void PrintRow(std::ostream& out, const std::vector<std::string>& cells, const std::vector<std::size_t>& widths) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        std::string cell = cells[i];
        if (i + 1 < cells.size()) cell.resize(std::max(cell.size(), widths[i]), ' ');
        out << mazovia::ToUtf8(cell) << (i + 1 < cells.size() ? "  " : "\n");
    }
}

std::string Quoted(const std::string& utf8) {
    if (utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
    std::string quoted = "\"";
    for (const char c : utf8) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

void PrintAligned(std::ostream& out, const Table& table) {
    const std::vector<std::size_t> widths = Widths(table);
    std::vector<std::string> header;
    for (const std::string& column : table.columns) header.push_back(mazovia::FromUtf8(column));
    PrintRow(out, header, widths);
    std::vector<std::string> rule;
    for (const std::size_t width : widths) rule.emplace_back(width, '-');
    PrintRow(out, rule, widths);
    for (const auto& row : table.rows) PrintRow(out, row, widths);
}

void PrintCsv(std::ostream& out, const Table& table) {
    const auto print = [&](const std::vector<std::string>& cells, bool mazovia) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            out << Quoted(mazovia ? mazovia::ToUtf8(cells[i]) : cells[i]) << (i + 1 < cells.size() ? "," : "\r\n");
    };
    print(table.columns, false);
    for (const auto& row : table.rows) print(row, true);
}

}  // namespace klarvo::check
