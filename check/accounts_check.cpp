#include "check/accounts_check.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iterator>

#include "check/customer_numbers.h"
#include "check/fields.h"
#include "check/file_header.h"
#include "check/lines.h"
#include "check/teta_records.h"
#include "src/host/mazovia.h"
#include "src/teta/format.h"

namespace klarvo::check {
namespace {

constexpr char kSeparator = teta::kAccountsSeparator;
constexpr std::size_t kFieldCount = teta::kAccountFieldCount;  // after the separator that opens the record

// The texts that may have lost their end when they fill their width.
constexpr teta::AccountField kMayBeCut[] = {teta::kNameField, teta::kCityField, teta::kStreetField,
                                            teta::kBankAccountField, teta::kTaxIdField};

// A city that holds a street marker or a comma: the address may have been split wrongly.
bool HoldsStreet(std::string_view city) {
    std::string lower(city);
    for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    for (const char* marker : {"ul.", "os.", "al.", "pl.", ","})
        if (lower.find(marker) != std::string::npos) return true;
    return false;
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
        const RecordPlace place = PlaceOf(TetaRecord::Account, file, line.number, findings);
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
        CheckConstants(place, TetaRecord::Account, fields);
        const auto number = CustomerNumberOf(fields[teta::kCustomerNumberField]);
        const std::string customer(fields[teta::kCustomerNumberField]), name = mazovia::ToUtf8(Trimmed(fields[teta::kNameField]));
        if (!number)
            place.Fault(FindingKind::Structure, teta::kCustomerNumberField, Text::NotACustomerNumber);
        else if (content.numbers.Add(*number))
            content.lines.emplace_back(*number, line.number);
        else
            place.Fault(FindingKind::Customers, teta::kCustomerNumberField, Text::SecondRecordRule,
                        Message{Text::SecondRecord, {std::to_string(*number)}});
        for (std::size_t f = 0; f < kFieldCount; ++f) {
            const teta::RecordField& column = teta::kAccountFields[f];
            if (column.kind != teta::FieldKind::Cut) continue;
            const std::int64_t width = static_cast<std::int64_t>(column.width);
            if (fields[f].size() != column.width)
                place.Fault(FindingKind::Structure, f, Text::WidthRule,
                            Message{Text::Width, {Counted(findings.language(), static_cast<std::int64_t>(fields[f].size()),
                                                          Noun::Character),
                                                  std::to_string(width)}});
            if (const auto strange = StrangeCharacter(fields[f]))
                place.Fault(FindingKind::Characters, f, Text::StrangeCharacterRule, strange);
            if (std::find(std::begin(kMayBeCut), std::end(kMayBeCut), f) != std::end(kMayBeCut) &&
                fields[f].size() == column.width && fields[f][0] != ' ') {
                const std::string field = findings.Say(FieldName(TetaRecord::Account, f));
                place.Note(FindingKind::Customers, f, {Text::FullFieldRule, {field}},
                           {Text::FullField, {customer, name, field, Counted(findings.language(), width, Noun::Character)}});
            }
        }
        for (std::size_t f = 0; f < kFieldCount; ++f)
            if (teta::kAccountFields[f].kind == teta::FieldKind::Amount && !Hundredths(fields[f], teta::kAccountFields[f].width))
                place.Fault(FindingKind::Structure, f,
                            {Text::NotAnAmount, {std::string(teta::AmountFormat(teta::kAccountFields[f]).view())}});
        const std::string_view postcode = Trimmed(fields[teta::kPostcodeField]), city = Trimmed(fields[teta::kCityField]);
        if (postcode.empty() && city.empty() && Trimmed(fields[teta::kStreetField]).empty())
            place.Note(FindingKind::Customers, teta::kPostcodeField, Text::UnsplitAddressRule, {Text::UnsplitAddress, {customer, name}});
        else if (HoldsStreet(city))
            place.Note(FindingKind::Customers, teta::kCityField, Text::StreetInCityRule,
                       {Text::StreetInCity, {customer, name, mazovia::ToUtf8(city)}});
        CheckCustomerNumbers(place,
                             {Trimmed(fields[teta::kBankField]), Trimmed(fields[teta::kBankAccountField]),
                              Trimmed(fields[teta::kTaxIdField])},
                             customer, name, findings.language());
        if (number && keepRecords) content.records[*number] = line.text;
        if (rows) rows(ListingRow(TetaRecord::Account, fields));
    } while (reader.Next(line));
    return content;
}

}  // namespace klarvo::check
