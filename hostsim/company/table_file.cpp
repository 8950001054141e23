#include "hostsim/company/table_file.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "hostsim/company/csv.h"
#include "src/host/mazovia.h"

namespace klarvo::sim {

namespace {

// How a message shows a control character: a NUL would end the message, a line break split it.
std::string Escaped(unsigned char control) {
    constexpr std::pair<char, const char*> kNamed[] = {{'\0', "\\0"}, {'\n', "\\n"}, {'\r', "\\r"}, {'\t', "\\t"}};
    for (const auto& [character, escape] : kNamed)
        if (control == static_cast<unsigned char>(character)) return escape;
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02X", control);
    return escape;
}

}  // namespace

namespace {

struct Shown {
    std::string text;
    bool cut;
};

// At most `characters` whole UTF-8 characters of a text, control characters as escapes.
Shown ShownText(const std::string& text, std::size_t characters) {
    Shown shown{"", false};
    std::size_t end = 0;
    for (std::size_t count = 0; end < text.size() && count < characters; ++count) {
        const std::size_t length = mazovia::DecodeUtf8(text, end).length;
        const auto byte = static_cast<unsigned char>(text[end]);
        if (byte < 0x20)
            shown.text += Escaped(byte);
        else
            shown.text.append(text, end, length);
        end += length;
    }
    shown.cut = end < text.size();
    return shown;
}

}  // namespace

std::string Quoted(const std::string& text) {
    const Shown shown = ShownText(text, 40);
    return "\"" + shown.text + "\"" + (shown.cut ? "…" : "");
}

std::string Printable(const std::string& text, std::size_t characters) {
    const Shown shown = ShownText(text, characters);
    return shown.text + (shown.cut ? "…" : "");
}

std::string HostText(const Cell& cell, std::size_t room) {
    if (cell.text.find('\0') != std::string::npos) cell.Reject("holds a NUL byte, which ends a text of the host");
    if (!mazovia::IsValidUtf8(cell.text)) cell.Reject("is not valid UTF-8");
    std::string bytes;
    try {
        bytes = mazovia::FromUtf8(cell.text);
    } catch (const std::invalid_argument& error) {
        cell.Reject(std::string("cannot be held by the host: ") + error.what());
    }
    if (bytes.size() + 1 > room) cell.Reject("is longer than the " + std::to_string(room - 1) + " characters of its field");
    return bytes;
}

void PutText(Record& record, host::TextAt field, const Cell& cell) {
    const std::string bytes = HostText(cell, field.room);
    std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(field.offset));
}

ColumnReader<Record> Text(host::TextAt field) {
    return [=](Record& r, const Cell& c) { PutText(r, field, c); };
}

std::string ReadFile(const std::filesystem::path& path) {
    if (std::filesystem::is_directory(path)) throw std::runtime_error(path.string() + ": is a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path.string() + ": cannot be read");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void ForEachRow(const std::filesystem::path& path, const std::vector<std::string>& columns,
                const std::vector<std::string>& required,
                const std::function<void(int line, const std::vector<Cell>& cells)>& each) {
    const std::string file = path.filename().string();
    const CsvTable table = ParseCsv(ReadFile(path), file);
    for (std::size_t i = 0; i < table.header.size(); ++i) {
        const std::string& name = table.header[i];
        if (std::find(columns.begin(), columns.end(), name) == columns.end())
            throw std::runtime_error(file + ", line 1: unknown column " + Quoted(name));
        if (std::find(table.header.begin(), table.header.begin() + static_cast<std::ptrdiff_t>(i), name) !=
            table.header.begin() + static_cast<std::ptrdiff_t>(i))
            throw std::runtime_error(file + ", line 1, column " + std::to_string(i + 1) + ": the column " +
                                     Quoted(name) + " is named twice");
    }
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
        std::vector<Cell> cells;
        for (const auto& [name, text] : present)
            if (!text->empty()) cells.push_back(Cell{file, row.line, name, *text});
        each(row.line, cells);
    }
}

}  // namespace klarvo::sim
