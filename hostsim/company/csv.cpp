#include "hostsim/company/csv.h"

namespace klarvo::sim {
namespace {

class CsvReader {
public:
    CsvReader(std::string_view text, const std::string& fileName) : text_(text), file_(fileName) {}

    bool AtEnd() const { return at_ >= text_.size(); }

    CsvRow ReadRow() {
        CsvRow row{line_, {}};
        for (;;) {
            row.fields.push_back(ReadField());
            if (AtEnd()) return row;
            const char c = text_[at_++];
            if (c == ',') continue;
            if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
            ++line_;
            lineStart_ = at_;
            return row;
        }
    }

private:
    std::string ReadField() {
        std::string field;
        if (AtEnd() || text_[at_] != '"') {
            while (!AtEnd() && text_[at_] != ',' && text_[at_] != '\n' && text_[at_] != '\r') {
                if (text_[at_] == '"') Fail("a quote inside an unquoted field");
                field.push_back(text_[at_++]);
            }
            return field;
        }
        const int startLine = line_;
        const std::size_t startColumn = at_ - lineStart_ + 1;
        ++at_;
        for (;;) {
            if (AtEnd())
                throw std::runtime_error(file_ + ", line " + std::to_string(startLine) + ", column " +
                                         std::to_string(startColumn) + ": a quoted field that is never closed");
            const char c = text_[at_++];
            if (c == '"') {
                if (!AtEnd() && text_[at_] == '"') {
                    field.push_back('"');
                    ++at_;
                    continue;
                }
                if (!AtEnd() && text_[at_] != ',' && text_[at_] != '\n' && text_[at_] != '\r')
                    Fail("text after the closing quote of a field");
                return field;
            }
            if (c == '\n') {
                ++line_;
                lineStart_ = at_;
            }
            field.push_back(c);
        }
    }

    [[noreturn]] void Fail(const char* what) const {
        throw std::runtime_error(file_ + ", line " + std::to_string(line_) + ": " + what);
    }

    std::string_view text_;
    const std::string& file_;
    std::size_t at_ = 0;
    std::size_t lineStart_ = 0;  // where the current line starts
    int line_ = 1;
};

}  // namespace

CsvTable ParseCsv(std::string_view text, const std::string& fileName) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    CsvReader reader(text, fileName);
    CsvTable table;
    if (reader.AtEnd()) throw std::runtime_error(fileName + ": the file is empty, it needs a header row");
    table.header = reader.ReadRow().fields;
    while (!reader.AtEnd()) {
        CsvRow row = reader.ReadRow();
        if (row.fields.size() == 1 && row.fields[0].empty()) continue;  // blank line
        if (row.fields.size() != table.header.size())
            throw std::runtime_error(fileName + ", line " + std::to_string(row.line) + ": " +
                                     std::to_string(row.fields.size()) + " fields where the header has " +
                                     std::to_string(table.header.size()));
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\n\r") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string CsvText(const CsvTable& table) {
    std::string text;
    const auto row = [&text](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) text += (i ? "," : "") + CsvField(fields[i]);
        text += '\n';
    };
    row(table.header);
    for (const CsvRow& r : table.rows) row(r.fields);
    return text;
}

}  // namespace klarvo::sim
