#pragma once
// A table file of the company folder: CSV rows read into host records or the simulator's own
// rows, column by column, with every bad value rejected by file, line and column.

#include <cstring>
#include <charconv>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "src/host/records.h"

namespace klarvo::sim {

// A value as a message quotes it: at most 40 characters of it (whole UTF-8 characters), then "…";
// control characters as escapes (\0, \n, \r, \t, \xNN).
std::string Quoted(const std::string& text);

// The same without the quotes, at most `characters` characters of it.
std::string Printable(const std::string& text, std::size_t characters);

// Where a bad value stands, for the message.
struct Cell {
    const std::string& file;
    int line;
    const std::string& column;
    const std::string& text;

    [[noreturn]] void Reject(const std::string& why) const {
        throw std::runtime_error(file + ", line " + std::to_string(line) + ", column " + column + ": " +
                                 Quoted(text) + " " + why);
    }
};

template <class Integer>
Integer ParseInteger(const Cell& cell) {
    Integer value{};
    const char* end = cell.text.data() + cell.text.size();
    const auto [stop, error] = std::from_chars(cell.text.data(), end, value);
    if (error == std::errc::result_out_of_range) cell.Reject("does not fit the record field");
    if (error != std::errc() || stop != end) cell.Reject("is not a whole number");
    return value;
}

using Record = std::vector<char>;

// The text of a cell in the host's code page, for a field of `room` bytes with its NUL.
std::string HostText(const Cell& cell, std::size_t room);

void PutText(Record& record, host::TextAt field, const Cell& cell);

template <class T>
void PutValue(std::vector<char>& record, std::size_t offset, T value) {
    std::memcpy(record.data() + offset, &value, sizeof value);
}

template <class T>
void PutValue(std::vector<char>& record, host::ValueAt<T> field, T value) {
    PutValue(record, field.offset, value);
}

// What a column fills of a row.
template <class Row>
using ColumnReader = std::function<void(Row& row, const Cell& cell)>;

// A text column that fills its field of the record, its NUL included.
ColumnReader<Record> Text(host::TextAt field);

std::string ReadFile(const std::filesystem::path& path);

// Reads every row of a table file whose header names only `columns`, `required` among them, and
// hands each row's line and non-empty cells to `each`.
void ForEachRow(const std::filesystem::path& path, const std::vector<std::string>& columns,
                const std::vector<std::string>& required,
                const std::function<void(int line, const std::vector<Cell>& cells)>& each);

// Reads every row of a table file; `rowDone` is called once per row with the row's line and a
// function that fills a Row from it, each named column its part.
template <class Row, class RowDone>
void ReadTable(const std::filesystem::path& path, const std::map<std::string, ColumnReader<Row>>& columns,
               const std::vector<std::string>& required, const RowDone& rowDone) {
    std::vector<std::string> names;
    for (const auto& column : columns) names.push_back(column.first);
    ForEachRow(path, names, required, [&](int line, const std::vector<Cell>& cells) {
        rowDone(line, [&](Row& row) {
            for (const Cell& cell : cells) columns.at(cell.column)(row, cell);
        });
    });
}

}  // namespace klarvo::sim
