#include "check/teta_records.h"

#include <span>

#include "check/fields.h"
#include "src/teta/format.h"

namespace klarvo::check {
namespace {

#define KLARVO_FIELD_TEXT(Name, Kind, width, constant, key, shown, english, polish) Text::Field##Name,
constexpr Text kPostingNames[] = {KLARVO_POSTING_FIELDS(KLARVO_FIELD_TEXT, KLARVO_FIELD_SKIPPED)};
constexpr Text kAccountNames[] = {KLARVO_ACCOUNT_FIELDS(KLARVO_FIELD_TEXT, KLARVO_FIELD_SKIPPED)};
#undef KLARVO_FIELD_TEXT

struct RecordNames {
    std::span<const teta::RecordField> fields;
    std::span<const Text> names;  // of the named fields, which stand first
};

RecordNames Of(TetaRecord record) {
    if (record == TetaRecord::Posting) return {teta::kPostingFields, kPostingNames};
    return {teta::kAccountFields, kAccountNames};
}

// The listing's narrow columns of the register are headed shorter than the findings name them.
struct Heading {
    teta::PostingField field;
    Text heading;
};
constexpr Heading kShortHeadings[] = {{teta::kDocumentNumberField, Text::ColumnDocument},
                                      {teta::kDocumentDateField, Text::ColumnDate},
                                      {teta::kRegisterTokenField, Text::ColumnToken}};

Text HeadingOf(TetaRecord record, std::size_t field, Text name) {
    for (const Heading& shorter : kShortHeadings)
        if (record == TetaRecord::Posting && shorter.field == field) return shorter.heading;
    return name;
}

ColumnKind ListedAs(teta::FieldKind kind) {
    if (kind == teta::FieldKind::Amount) return ColumnKind::Amount;
    if (kind == teta::FieldKind::Date) return ColumnKind::Date;
    return ColumnKind::Text;
}

std::vector<TableColumn> ColumnsOf(TetaRecord record) {
    const RecordNames names = Of(record);
    std::vector<TableColumn> columns;
    for (std::size_t field = 0; field < names.names.size(); ++field)
        if (const teta::RecordField& shown = names.fields[field]; !shown.key.empty())
            columns.push_back({shown.key, HeadingOf(record, field, names.names[field]), shown.shown, ListedAs(shown.kind)});
    return columns;
}

}  // namespace

Message FieldName(TetaRecord record, std::size_t field) {
    const RecordNames names = Of(record);
    return field < names.names.size() ? Message(names.names[field]) : Message(Text::FieldNumber, {std::to_string(field + 1)});
}

RecordPlace PlaceOf(TetaRecord record, const std::string& file, std::int64_t line, Findings& findings) {
    if (record == TetaRecord::Posting)
        return {file, line, findings, [](std::size_t field) { return FieldName(TetaRecord::Posting, field); }};
    return {file, line, findings, [](std::size_t field) { return FieldName(TetaRecord::Account, field); }};
}

void CheckConstants(const RecordPlace& place, TetaRecord record, const std::vector<std::string_view>& fields) {
    const std::span<const teta::RecordField> listed = Of(record).fields;
    for (std::size_t field = 0; field < listed.size(); ++field)
        if (listed[field].kind == teta::FieldKind::Constant && fields[field] != listed[field].constant)
            place.Fault(FindingKind::Structure, field, {Text::NotTheConstant, {std::string(listed[field].constant)}});
}

const std::vector<TableColumn>& ListingColumns(TetaRecord record) {
    static const std::vector<TableColumn> posting = ColumnsOf(TetaRecord::Posting), account = ColumnsOf(TetaRecord::Account);
    return record == TetaRecord::Posting ? posting : account;
}

std::vector<std::string> ListingRow(TetaRecord record, const std::vector<std::string_view>& fields) {
    const RecordNames names = Of(record);
    std::vector<std::string> row;
    for (std::size_t field = 0; field < names.names.size(); ++field) {
        const teta::RecordField& listed = names.fields[field];
        if (listed.key.empty()) continue;
        const bool ownBlanks = listed.kind == teta::FieldKind::Text || listed.kind == teta::FieldKind::Date;
        row.emplace_back(ownBlanks ? fields[field] : Trimmed(fields[field]));
    }
    return row;
}

}  // namespace klarvo::check
