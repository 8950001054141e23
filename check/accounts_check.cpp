#include "check/accounts_check.h"

#include <array>
#include <charconv>

#include "check/customer_numbers.h"
#include "check/fields.h"
#include "check/file_header.h"
#include "check/lines.h"
#include "src/host/mazovia.h"
#include "src/teta/format.h"

namespace klarvo::check {
namespace {

constexpr char kSeparator = teta::kAccountsSeparator;
constexpr std::size_t kFieldCount = teta::kAccountFieldCount;  // after the separator that opens the record

struct Column {
    Text name;
    std::size_t width;  // 0: any
    bool text;
    bool mayBeCut;  // a text that fills its width may have lost its end
};

// Fields 1 to 12 of a record.
const Column kColumns[kFieldCount] = {
    {Text::FieldKind, 0, false, false},        {Text::FieldCustomerNumber, 0, false, false},
    {Text::FieldShortName, teta::kShortNameWidth, true, false},
    {Text::FieldName, teta::kNameWidth, true, true},
    {Text::FieldPostcode, teta::kPostcodeWidth, true, false},
    {Text::FieldCity, teta::kCityWidth, true, true},
    {Text::FieldStreet, teta::kStreetWidth, true, true},
    {Text::FieldBank, teta::kBankWidth, true, false},
    {Text::FieldBankAccount, teta::kBankAccountWidth, true, true},
    {Text::FieldTaxId, teta::kTaxIdWidth, true, true},
    {Text::FieldCreditLimit, 0, false, false}, {Text::FieldDiscount, 0, false, false},
};

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
    return {file, line, findings, [](std::size_t field) { return Message(kColumns[field].name); }};
}

}  // namespace

std::optional<std::int32_t> CustomerNumberOf(std::string_view text) {
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size() || !CustomerSet::InRange(number)) return std::nullopt;
    return number;
}

bool CustomerSet::Add(std::int32_t number) {
    if (!InRange(number) || present_[Index(number)]) return false;
    present_[Index(number)] = true;
    return true;
}

AccountsContent CheckAccounts(std::istream& in, const std::string& file, Findings& findings, const RowSink& rows,
                              bool keepRecords) {
    AccountsContent content;
    LineReader reader(in, file, findings);
    const FileHeader header = ReadFileHeader(reader, TetaFile::CustomerAccounts, file, findings);
    content.foreign = header.foreign;
    if (!header.readOn) return content;
    Line line;
    if (header.firstRecord) line = *header.firstRecord;
    else if (!reader.Next(line)) return content;
    do {
        const RecordPlace place = PlaceOf(file, line.number, findings);
        std::vector<std::string_view> fields = SplitFields(line.text, kSeparator);
        if (fields.size() != kFieldCount + 1 || !fields[0].empty()) {
            findings.Fault(FindingKind::Structure, file, line.number, {Text::AccountFieldsRule, {std::to_string(kFieldCount)}},
                           Message{Text::AccountFields,
                                   {Counted(findings.language(), static_cast<std::int64_t>(fields.size() - 1), Noun::FieldAfterZ),
                                    std::to_string(kFieldCount)}});
            continue;
        }
        fields.erase(fields.begin());
        ++content.customers;
        if (fields[0] != teta::kAccountRecordKind)
            place.Fault(FindingKind::Structure, 0, {Text::NotTheConstant, {std::string(teta::kAccountRecordKind)}});
        const auto number = CustomerNumberOf(fields[1]);
        const std::string customer(fields[1]), name = mazovia::ToUtf8(Trimmed(fields[3]));
        if (!number)
            place.Fault(FindingKind::Structure, 1, Text::NotACustomerNumber);
        else if (content.numbers.Add(*number))
            content.lines.emplace_back(*number, line.number);
        else
            place.Fault(FindingKind::Customers, 1, Text::SecondRecordRule,
                        Message{Text::SecondRecord, {std::to_string(*number)}});
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            const Column& column = kColumns[f];
            const std::int64_t width = static_cast<std::int64_t>(column.width);
            if (column.width && fields[f].size() != column.width)
                place.Fault(FindingKind::Structure, f, Text::WidthRule,
                            Message{Text::Width, {Counted(findings.language(), static_cast<std::int64_t>(fields[f].size()),
                                                          Noun::Character),
                                                  std::to_string(width)}});
            if (const auto strange = StrangeCharacter(fields[f]); column.text && strange)
                place.Fault(FindingKind::Characters, f, Text::StrangeCharacterRule, strange);
            if (column.mayBeCut && column.width && fields[f].size() == column.width && fields[f][0] != ' ') {
                const std::string field = findings.Say(column.name);
                place.Note(FindingKind::Customers, f, {Text::FullFieldRule, {field}},
                           {Text::FullField, {customer, name, field, Counted(findings.language(), width, Noun::Character)}});
            }
        }
        for (const std::size_t f : {10, 11})
            if (!Hundredths(fields[f], 0)) place.Fault(FindingKind::Structure, f, {Text::NotAnAmount, {"%0.2f"}});
        if (Trimmed(fields[4]).empty() && Trimmed(fields[5]).empty() && Trimmed(fields[6]).empty())
            place.Note(FindingKind::Customers, 4, Text::UnsplitAddressRule, {Text::UnsplitAddress, {customer, name}});
        else if (HoldsStreet(Trimmed(fields[5])))
            place.Note(FindingKind::Customers, 5, Text::StreetInCityRule,
                       {Text::StreetInCity, {customer, name, mazovia::ToUtf8(Trimmed(fields[5]))}});
        CheckCustomerNumbers(place, {Trimmed(fields[7]), Trimmed(fields[8]), Trimmed(fields[9])}, customer, name,
                             findings.language());
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
