#include "hostsim/company/table_edits.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "hostsim/company/csv.h"
#include "hostsim/company/table_file.h"

namespace klarvo::sim {
namespace {

CsvTable Read(const std::filesystem::path& file) { return ParseCsv(ReadFile(file), file.filename().string()); }

void Write(const std::filesystem::path& file, const CsvTable& table) {
    std::ofstream out(file, std::ios::binary);
    if (!(out << CsvText(table)) || !out.flush()) throw std::runtime_error(file.string() + ": cannot be written");
}

// The column's place, added at the end (empty in every row) when the table lacks it.
std::size_t ColumnOf(CsvTable& table, const std::string& column) {
    const auto found = std::find(table.header.begin(), table.header.end(), column);
    if (found != table.header.end()) return static_cast<std::size_t>(found - table.header.begin());
    table.header.push_back(column);
    for (CsvRow& row : table.rows) row.fields.resize(table.header.size());
    return table.header.size() - 1;
}

std::vector<CsvRow>::iterator RowOf(const std::filesystem::path& file, CsvTable& table, const std::string& keyColumn,
                                   const std::string& key) {
    const std::size_t column = ColumnOf(table, keyColumn);
    const auto row = std::find_if(table.rows.begin(), table.rows.end(), [&](const CsvRow& r) {
        return column < r.fields.size() && r.fields[column] == key;
    });
    if (row == table.rows.end())
        throw std::runtime_error(file.filename().string() + ": no row has " + Quoted(key) + " in the column " + keyColumn);
    return row;
}

}  // namespace

void SetCell(const std::filesystem::path& file, const std::string& keyColumn, const std::string& key,
             const std::string& column, const std::string& value) {
    CsvTable table = Read(file);
    const std::size_t at = ColumnOf(table, column);
    CsvRow& row = *RowOf(file, table, keyColumn, key);
    row.fields.resize(std::max(row.fields.size(), at + 1));
    row.fields[at] = value;
    Write(file, table);
}

void AppendRow(const std::filesystem::path& file, const std::vector<std::pair<std::string, std::string>>& cells) {
    CsvTable table = Read(file);
    CsvRow row{0, {}};
    for (const auto& [column, value] : cells) {
        const std::size_t at = ColumnOf(table, column);
        row.fields.resize(table.header.size());
        row.fields[at] = value;
    }
    row.fields.resize(table.header.size());
    table.rows.push_back(std::move(row));
    Write(file, table);
}

void RemoveRow(const std::filesystem::path& file, const std::string& keyColumn, const std::string& key) {
    CsvTable table = Read(file);
    table.rows.erase(RowOf(file, table, keyColumn, key));
    Write(file, table);
}

}  // namespace klarvo::sim
