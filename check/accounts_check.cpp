#include "accounts_check.h"

#include <array>
#include <charconv>

#include "fields.h"
#include "host/mazovia.h"
#include "lines.h"

namespace klarvo::check {
namespace {

constexpr char kSeparator = "Ź"_mz[0];
constexpr char kRegisterSeparator = "■"_mz[0];
constexpr std::size_t kFieldCount = 12;  // after the separator that opens the record

struct Column {
    const char* name;
    std::size_t width;  // 0: any
    bool text;
    bool mayBeCut;  // a text that fills its width may have lost its end
};

// Fields 1 to 12 of a record.
const Column kColumns[kFieldCount] = {
    {"kind", 0, false, false},        {"customer number", 0, false, false}, {"short name", 20, true, false},
    {"name", 60, true, true},         {"postcode", 6, true, false},         {"city", 25, true, true},
    {"street", 32, true, true},       {"bank", 30, true, false},            {"bank account", 30, true, true},
    {"tax id", 18, true, true},       {"credit limit", 0, false, false},    {"discount", 0, false, false},
};

const std::string_view kHeader = "      Ź      "_mz;

std::optional<std::int32_t> CustomerNumber(std::string_view text) {
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size() || !CustomerSet::InRange(number)) return std::nullopt;
    return number;
}

// A city that holds a street marker or a comma: the address may have been split wrongly.
bool HoldsStreet(std::string_view city) {
    std::string lower(city);
    for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    for (const char* marker : {"ul.", "os.", "al.", "pl.", ","})
        if (lower.find(marker) != std::string::npos) return true;
    return false;
}

// A record of this file, as findings name it.
RecordPlace PlaceOf(const std::string& file, std::int64_t line, Findings& findings) {
    return {file, line, findings, [](std::size_t field) { return kColumns[field].name; }};
}

}  // namespace

bool CustomerSet::Add(std::int32_t number) {
    if (!InRange(number) || present_[Index(number)]) return false;
    present_[Index(number)] = true;
    return true;
}

AccountsContent CheckAccounts(std::istream& in, const std::string& file, Findings& findings, const RowSink& rows,
                              bool keepRecords) {
    AccountsContent content;
    LineReader reader(in, file, findings);
    Line line;
    if (!reader.Next(line)) {
        findings.Fault({FindingKind::Structure, "the file is empty: it has no header line", file, 0, "",
                        "the file is empty: it has no header line"});
        return content;
    }
    if (line.text != kHeader) {
        Line second;
        const bool records = reader.Next(second) && SplitFields(second.text, kSeparator).size() == kFieldCount + 1;
        if (!records) {
            const bool register_ = line.text.starts_with("SP"_mz) && line.text.find(kRegisterSeparator) == 2;
            const std::string rule = register_ ? "this is the sales register file, given where the customer accounts "
                                                 "file belongs (are the two files swapped?)"
                                               : "this is no Teta customer accounts file: its first line is not six "
                                                 "blanks, Ź and six blanks";
            findings.Fault({FindingKind::Files, rule, file, 0, "", rule});
            content.foreign = true;
            return content;
        }
        findings.Fault({FindingKind::Structure, "the header line is not six blanks, Ź and six blanks", file, 1, "",
                        "the header line is not six blanks, Ź and six blanks"});
        line = std::move(second);
    } else if (!reader.Next(line)) {
        return content;
    }
    do {
        const RecordPlace place = PlaceOf(file, line.number, findings);
        std::vector<std::string_view> fields = SplitFields(line.text, kSeparator);
        if (fields.size() != kFieldCount + 1 || !fields[0].empty()) {
            findings.Fault({FindingKind::Structure, "a customer account record without its 12 fields", file, line.number,
                            "",
                            std::to_string(fields.size() - 1) +
                                " fields, each after the separator Ź, where a customer account record has 12"});
            continue;
        }
        fields.erase(fields.begin());
        ++content.customers;
        if (fields[0] != "2") place.Fault(FindingKind::Structure, 0, "not the constant \"2\"");
        const auto number = CustomerNumber(fields[1]);
        const std::string customer = "customer " + std::string(fields[1]) + " (" + mazovia::ToUtf8(Trimmed(fields[3])) + ")";
        if (!number)
            place.Fault(FindingKind::Structure, 1, "not a customer number from 1 to 65999 or -1 to -65999");
        else if (!content.numbers.Add(*number))
            place.Fault(FindingKind::Customers, 1, "a customer with a second record",
                        "customer " + std::to_string(*number) + " has a second record");
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            const Column& column = kColumns[f];
            if (column.width && fields[f].size() != column.width)
                place.Fault(FindingKind::Structure, f, "a field not as wide as its width",
                            std::to_string(fields[f].size()) + " characters where the field has " +
                                std::to_string(column.width));
            if (const std::string strange = StrangeCharacter(fields[f]); column.text && !strange.empty())
                place.Fault(FindingKind::Characters, f, "a character that is no letter or sign of Polish text", strange);
            if (column.mayBeCut && column.width && fields[f].size() == column.width && fields[f][0] != ' ')
                place.Note(FindingKind::Customers, f, std::string("a ") + column.name + " that fills its field: it may have been cut",
                           customer + ": the " + column.name + " fills all " + std::to_string(column.width) +
                               " characters of its field and may have lost its end");
        }
        for (const std::size_t f : {10, 11})
            if (!Hundredths(fields[f], 0)) place.Fault(FindingKind::Structure, f, "not an amount written with \"%0.2f\"");
        if (Trimmed(fields[4]).empty() && Trimmed(fields[5]).empty() && Trimmed(fields[6]).empty())
            place.Note(FindingKind::Customers, 4, "an address that could not be split into postcode, city and street",
                       customer + ": the address could not be split into postcode, city and street");
        else if (HoldsStreet(Trimmed(fields[5])))
            place.Note(FindingKind::Customers, 5, "a city that holds a street marker or a comma: the address may have been split wrongly",
                       customer + ": the city \"" + mazovia::ToUtf8(Trimmed(fields[5])) +
                           "\" holds a street marker or a comma; the address may have been split wrongly");
        if (number && keepRecords) content.records[*number] = line.text;
        if (rows) {
            Row row;
            for (std::size_t f = 1; f < kFieldCount; ++f) row.emplace_back(Trimmed(fields[f]));
            rows(row);
        }
    } while (reader.Next(line));
    return content;
}

}  // namespace klarvo::check
