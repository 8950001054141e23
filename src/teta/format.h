#pragma once
// The two files that Teta imports, as the export writes them and klarvo-check reads them back:
// their names, separators and header lines, and the records made from their lists of fields
// (posting_fields.h, account_fields.h): the positions, widths, constants and printf formats.
// 8-bit text in the host's code page, CR LF line ends.

#include <cstddef>
#include <iterator>
#include <string_view>

#include "src/host/mazovia.h"
#include "src/teta/account_fields.h"
#include "src/teta/built_format.h"
#include "src/teta/posting_fields.h"
#include "src/teta/record_fields.h"

namespace klarvo::teta {

inline constexpr char kRegisterFileName[] = "!Fs_pln.fkw";
inline constexpr char kAccountsFileName[] = "!Konta.fkx";

// "%9.2f": an amount in its field, as printf writes it.
constexpr BuiltFormat AmountFormat(const RecordField& field) { return BuiltFormat{} << '%' << field.width << ".2f"; }

// The format of a record's fields in their order, each after or before the separator.
enum class SeparatorStands { After, Before };
template <std::size_t Count>
constexpr BuiltFormat RecordFormat(const RecordField (&fields)[Count], char separator, SeparatorStands stands) {
    BuiltFormat format;
    for (const RecordField& field : fields) {
        if (stands == SeparatorStands::Before) format << separator;
        switch (field.kind) {
            case FieldKind::Constant: format << field.constant; break;
            case FieldKind::Text:
            case FieldKind::Date: format << "%s"; break;
            case FieldKind::Padded: format << "%-" << field.width << 's'; break;
            case FieldKind::Cut: format << '%' << field.width << '.' << field.width << 's'; break;
            case FieldKind::Amount: format << AmountFormat(field).view(); break;
            case FieldKind::Integer: format << "%d"; break;
        }
        if (stands == SeparatorStands::After) format << separator;
    }
    return format << '\n';
}

// The sales register: the header line "SP■    ■YYYY-MM-DD■", then one posting record per
// posting, each of its fields followed by the separator.
inline constexpr char kRegisterSeparator = "■"_mz[0];
inline constexpr std::string_view kRegisterKind = "SP";
inline constexpr std::size_t kRegisterHeaderBlanks = 4;

enum PostingField : std::size_t { KLARVO_POSTING_FIELDS(KLARVO_FIELD_POSITION, KLARVO_FIELD_SKIPPED) kNamedPostingFields };
inline constexpr RecordField kPostingFields[] = {KLARVO_POSTING_FIELDS(KLARVO_FIELD_ROW, KLARVO_UNNAMED_ROW)};
inline constexpr std::size_t kPostingFieldCount = std::size(kPostingFields);
static_assert(NamedFirst(kPostingFields, kNamedPostingFields));

// An account of 1 to kAccountLength characters, padded to its field's width.
inline constexpr std::size_t kAccountLength = 12;
inline constexpr std::size_t kAccountWidth = kPostingFields[kAccountField].width;
inline constexpr std::size_t kAmountWidth = kPostingFields[kDebitField].width;
inline constexpr std::size_t kDescriptionLength = 30;
// The register the sales are booked in. A posting on the credit side carries the register token:
// the description's first letter, "|" and the register ("S|2200"), padded to its field's width;
// the other postings leave the field blank.
inline constexpr char kSalesRegister[] = "2200";
inline constexpr char kRegisterTokenMark = '|';
inline constexpr std::size_t kRegisterTokenWidth = kPostingFields[kRegisterTokenField].width;
// What follows the letter in a token, padded as the record holds it: "|2200 ".
inline constexpr BuiltFormat kRegisterTokenTail = BuiltFormat{} << kRegisterTokenMark << std::string_view(kSalesRegister)
                                                                << Blanks{kRegisterTokenWidth - 1 - (sizeof kSalesRegister)};

// The header line's format, of the date as YYYY-MM-DD.
inline constexpr BuiltFormat kRegisterHeaderFormat = BuiltFormat{} << kRegisterKind << kRegisterSeparator
                                                                   << Blanks{kRegisterHeaderBlanks} << kRegisterSeparator
                                                                   << "%s" << kRegisterSeparator << '\n';
inline constexpr BuiltFormat kPostingRecordFormat = RecordFormat(kPostingFields, kRegisterSeparator, SeparatorStands::After);

// The customer accounts: the header line "      Ź      ", then one record per customer, each of
// its fields preceded by the separator.
inline constexpr char kAccountsSeparator = "Ź"_mz[0];
inline constexpr std::size_t kAccountsHeaderBlanks = 6;

enum AccountField : std::size_t { KLARVO_ACCOUNT_FIELDS(KLARVO_FIELD_POSITION, KLARVO_FIELD_SKIPPED) kNamedAccountFields };
inline constexpr RecordField kAccountFields[] = {KLARVO_ACCOUNT_FIELDS(KLARVO_FIELD_ROW, KLARVO_UNNAMED_ROW)};
inline constexpr std::size_t kAccountFieldCount = std::size(kAccountFields);
static_assert(NamedFirst(kAccountFields, kNamedAccountFields));

// The account record's field names in the host's code page, for the plug-in's notices.
#define KLARVO_FIELD_TERM(Name, Kind, width, constant, key, shown, english, polish) polish##_mz,
inline constexpr const char* kAccountFieldTerms[] = {KLARVO_ACCOUNT_FIELDS(KLARVO_FIELD_TERM, KLARVO_FIELD_SKIPPED)};
#undef KLARVO_FIELD_TERM

// The header line, which has no value, and the format it is written in.
inline constexpr BuiltFormat kOneTextLine = BuiltFormat{} << "%s\n";
inline constexpr BuiltFormat kAccountsHeader = BuiltFormat{} << Blanks{kAccountsHeaderBlanks} << kAccountsSeparator
                                                             << Blanks{kAccountsHeaderBlanks};
inline constexpr BuiltFormat kAccountRecordFormat = RecordFormat(kAccountFields, kAccountsSeparator, SeparatorStands::Before);

}  // namespace klarvo::teta
