#include "check/table.h"

#include <algorithm>

#include "check/fields.h"
#include "src/host/mazovia.h"

namespace klarvo::check {
namespace {

std::size_t Characters(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Quoted(const std::string& utf8, char separator) {
    if (utf8.find_first_of(std::string(1, separator) + "\"\r\n") == std::string::npos) return utf8;
    std::string quoted = "\"";
    for (const char c : utf8) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

TableWriter::TableWriter(std::ostream& out, TableForm form, const std::vector<TableColumn>& columns,
                         Language language)
    : out_(out), form_(form), language_(language), columns_(columns) {
    if (form_ == TableForm::Excel) out_ << "\xEF\xBB\xBF";
    std::vector<std::string> heading;
    for (const TableColumn& column : columns_) {
        heading.push_back(form_ == TableForm::Csv ? std::string(column.key) : Say(language, column.name));
        widths_.push_back(std::max(column.width, Characters(heading.back())));
    }
    Line(heading);
    if (form_ != TableForm::Aligned) return;
    std::vector<std::string> rule;
    for (const std::size_t width : widths_) rule.emplace_back(width, '-');
    Line(rule);
}

void TableWriter::Write(const std::vector<std::string>& row) {
    std::vector<std::string> utf8;
    for (std::size_t i = 0; i < row.size() && i < columns_.size(); ++i) {
        std::string cell = mazovia::ToUtf8(row[i]);
        const ColumnKind kind = columns_[i].kind;
        if (form_ == TableForm::Excel && kind == ColumnKind::Amount) std::replace(cell.begin(), cell.end(), '.', ',');
        if (form_ == TableForm::Aligned && kind == ColumnKind::Amount)
            if (const auto hundredths = Hundredths(cell, 0)) cell = Amount(language_, *hundredths);
        if (form_ == TableForm::Aligned && kind == ColumnKind::Date) cell = Date(language_, cell);
        utf8.push_back(std::move(cell));
    }
    Line(utf8);
}

void TableWriter::Line(const std::vector<std::string>& utf8) {
    const char separator = form_ == TableForm::Excel ? ';' : ',';
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const bool last = i + 1 == utf8.size();
        if (form_ == TableForm::Aligned) {
            out_ << utf8[i];
            if (!last) out_ << std::string(std::max(widths_[i], Characters(utf8[i])) - Characters(utf8[i]) + 2, ' ');
        } else {
            out_ << Quoted(utf8[i], separator) << (last ? "" : std::string(1, separator));
        }
    }
    out_ << (form_ == TableForm::Aligned ? "\n" : "\r\n");
}

}  // namespace klarvo::check
