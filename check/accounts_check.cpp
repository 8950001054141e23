#include "accounts_check.h"

#include <charconv>
#include <set>
#include <vector>

#include "fields.h"
#include "host/mazovia.h"
#include "lines.h"

namespace klarvo::check {
namespace {

constexpr char kSeparator = "Ź"_mz[0];
constexpr std::size_t kFieldCount = 12;  // after the separator that opens the record

struct Column {
    const char* name;
    std::size_t width;  // 0: any
    bool text;
};

// Fields 1 to 12 of a record.
const Column kColumns[kFieldCount] = {
    {"kind", 0, false},       {"customer number", 0, false}, {"short name", 20, true}, {"name", 60, true},
    {"postcode", 6, true},    {"city", 25, true},            {"street", 32, true},     {"bank", 30, true},
    {"bank account", 30, true}, {"tax id", 18, true},        {"credit limit", 0, false}, {"discount", 0, false},
};

struct Place {
    const std::string& file;
    int line;
    Findings& findings;

    void Fault(FindingKind kind, std::size_t field, const std::string& text) const {
        findings.Fault(kind, file, line, std::to_string(field + 1) + " (" + kColumns[field].name + ")", text);
    }
};

std::optional<std::int32_t> CustomerNumber(std::string_view text) {
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size() || number == 0 || number >= 66000 || number <= -66000)
        return std::nullopt;
    return number;
}

}  // namespace

AccountsContent CheckAccounts(std::string_view bytes, const std::string& file, Findings& findings) {
    AccountsContent content;
    for (const Column& column : kColumns)
        if (std::string_view(column.name) != "kind") content.customers.columns.emplace_back(column.name);
    const std::vector<Line> lines = SplitLines(bytes, file, findings);
    if (lines.empty()) {
        findings.Fault(FindingKind::Structure, file, 0, "", "the file is empty: it has no header line");
        return content;
    }
    if (lines[0].text != "      Ź      "_mz)
        findings.Fault(FindingKind::Structure, file, 1, "", "the header line is not six blanks, Ź and six blanks");
    std::set<std::int32_t> seen;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const Place place{file, lines[i].number, findings};
        std::vector<std::string_view> fields = SplitFields(lines[i].text, kSeparator);
        if (fields.size() != kFieldCount + 1 || !fields[0].empty()) {
            findings.Fault(FindingKind::Structure, file, lines[i].number, "",
                           std::to_string(fields.size() - 1) +
                               " fields, each after the separator Ź, where a customer account record has 12");
            continue;
        }
        fields.erase(fields.begin());
        if (fields[0] != "2") place.Fault(FindingKind::Structure, 0, "not the constant \"2\"");
        const auto number = CustomerNumber(fields[1]);
        if (!number)
            place.Fault(FindingKind::Structure, 1, "not a customer number from 1 to 65999 or -1 to -65999");
        else if (!seen.insert(*number).second)
            place.Fault(FindingKind::Customers, 1, "customer " + std::to_string(*number) + " has a second record");
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            if (kColumns[f].width && fields[f].size() != kColumns[f].width)
                place.Fault(FindingKind::Structure, f, std::to_string(fields[f].size()) + " characters where the field has " +
                                                           std::to_string(kColumns[f].width));
            if (const std::string strange = StrangeCharacter(fields[f]); kColumns[f].text && !strange.empty())
                place.Fault(FindingKind::Characters, f, strange);
        }
        for (const std::size_t f : {10, 11})
            if (!Hundredths(fields[f], 0)) place.Fault(FindingKind::Structure, f, "not an amount written with \"%0.2f\"");
        if (Trimmed(fields[4]).empty() && Trimmed(fields[5]).empty() && Trimmed(fields[6]).empty())
            findings.notes.push_back({FindingKind::Customers, file, lines[i].number, "5 to 7 (address)",
                                      "customer " + std::string(fields[1]) + " (" +
                                          mazovia::ToUtf8(Trimmed(fields[3])) +
                                          "): the address could not be split into postcode, city and street"});
        std::vector<std::string> row;
        for (std::size_t f = 1; f < kFieldCount; ++f) row.emplace_back(Trimmed(fields[f]));
        content.customers.rows.push_back(std::move(row));
    }
    return content;
}

}  // namespace klarvo::check
