#include "table_file.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "csv.h"
#include "host/mazovia.h"

namespace klarvo::sim {

void PutText(std::vector<char>& record, std::size_t offset, std::size_t capacity, const Cell& cell) {
    std::string bytes;
    try {
        bytes = mazovia::FromUtf8(cell.text);
    } catch (const std::invalid_argument&) {
        cell.Reject("holds a character that the host's code page lacks");
    }
    if (bytes.size() + 1 > capacity)
        cell.Reject("is longer than the " + std::to_string(capacity - 1) + " characters of its field");
    std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

ColumnReader Text(std::size_t offset, std::size_t end) {
    return [=](std::vector<char>& r, const Cell& c) { PutText(r, offset, end - offset, c); };
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path.string() + ": cannot be read");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void ReadTable(const std::filesystem::path& path, const std::map<std::string, ColumnReader>& columns,
               const std::vector<std::string>& required, const RowReader& rowDone) {
    const std::string file = path.filename().string();
    const CsvTable table = ParseCsv(ReadFile(path), file);
    for (const std::string& name : table.header)
        if (!columns.count(name)) throw std::runtime_error(file + ", line 1: unknown column \"" + name + "\"");
    for (const std::string& name : required)
        if (std::find(table.header.begin(), table.header.end(), name) == table.header.end())
            throw std::runtime_error(file + ", line 1: the required column \"" + name + "\" is missing");
    for (const CsvRow& row : table.rows) {
        std::map<std::string, const std::string*> present;
        for (std::size_t i = 0; i < table.header.size(); ++i) present[table.header[i]] = &row.fields[i];
        for (const std::string& name : required)
            if (present[name]->empty()) {
                const Cell cell{file, row.line, name, *present[name]};
                cell.Reject("is empty, and the column is required");
            }
        rowDone(row.line, [&](std::vector<char>& record) {
            for (const auto& [name, text] : present)
                if (!text->empty()) columns.at(name)(record, Cell{file, row.line, name, *text});
        });
    }
}

}  // namespace klarvo::sim
