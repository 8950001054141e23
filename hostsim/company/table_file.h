#pragma once
// A table file of the company folder: CSV rows read into host records, column by column, with
// every bad value rejected by file, line and column.

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

void PutText(std::vector<char>& record, host::TextAt field, const Cell& cell);

template <class T>
void PutValue(std::vector<char>& record, std::size_t offset, T value) {
    std::memcpy(record.data() + offset, &value, sizeof value);
}

template <class T>
void PutValue(std::vector<char>& record, host::ValueAt<T> field, T value) {
    PutValue(record, field.offset, value);
}

using ColumnReader = std::function<void(std::vector<char>& record, const Cell& cell)>;

// A text column that fills its field of the record, its NUL included.
ColumnReader Text(host::TextAt field);

std::string ReadFile(const std::filesystem::path& path);

// Called once per row with the row's line and a function that fills a record from the row.
using RowReader = std::function<void(int line, const std::function<void(std::vector<char>& record)>& fill)>;

// Reads every row of a table file; each named column fills its part of the row's record.
void ReadTable(const std::filesystem::path& path, const std::map<std::string, ColumnReader>& columns,
               const std::vector<std::string>& required, const RowReader& rowDone);

}  // namespace klarvo::sim
