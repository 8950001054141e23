#pragma once
// The two files that Teta imports, as the export writes them and klarvo-check reads them back:
// their names, separators and header lines, the posting record's fields with their widths and
// constants, and the account record's fields with their widths. 8-bit text in the host's code
// page, CR LF line ends. Every fact of the two files is stated here once; the writers' printf
// formats are made from them.

#include <cstddef>
#include <string_view>

#include "src/host/mazovia.h"

namespace klarvo::teta {

inline constexpr char kRegisterFileName[] = "!Fs_pln.fkw";
inline constexpr char kAccountsFileName[] = "!Konta.fkx";

// So many blanks, in a BuiltFormat.
struct Blanks {
    std::size_t count;
};

// A printf format put together at compile time; NUL-terminated.
struct BuiltFormat {
    char text[256]{};
    std::size_t size = 0;

    constexpr std::string_view view() const { return {text, size}; }

    constexpr BuiltFormat& operator<<(std::string_view part) {
        for (const char c : part) text[size++] = c;
        return *this;
    }
    constexpr BuiltFormat& operator<<(char c) {
        text[size++] = c;
        return *this;
    }
    constexpr BuiltFormat& operator<<(Blanks blanks) {
        for (std::size_t i = 0; i < blanks.count; ++i) text[size++] = ' ';
        return *this;
    }
    constexpr BuiltFormat& operator<<(std::size_t number) {
        char digits[20];
        std::size_t count = 0;
        do digits[count++] = static_cast<char>('0' + number % 10);
        while ((number /= 10) != 0);
        while (count > 0) text[size++] = digits[--count];
        return *this;
    }
};

// The sales register: the header line "SP■    ■YYYY-MM-DD■", then one posting record per
// posting, each of its fields followed by the separator.
inline constexpr char kRegisterSeparator = "■"_mz[0];
inline constexpr std::string_view kRegisterKind = "SP";
inline constexpr std::size_t kRegisterHeaderBlanks = 4;

inline constexpr std::size_t kPostingFieldCount = 29;
// The posting record's fields that carry values, by position from 0; the others are constant.
enum PostingField : std::size_t {
    kAccountField,
    kDebitField,
    kCreditField,
    kDocumentNumberField,
    kDocumentDateField,
    kDueDateField,
    kOperationDateField,
    kRegisterTokenField,
    kTaxDateField,
    kDescriptionField,
};
// An account of 1 to kAccountLength characters, padded to kAccountWidth.
inline constexpr std::size_t kAccountLength = 12;
inline constexpr std::size_t kAccountWidth = 15;
// An amount right-aligned in kAmountWidth characters, with kAmountDecimals decimals.
inline constexpr std::size_t kAmountWidth = 9;
inline constexpr std::size_t kAmountDecimals = 2;
inline constexpr std::size_t kDescriptionLength = 30;
// The register the sales are booked in. A posting on the credit side carries the register token:
// the description's first letter, "|" and the register ("S|2200"), padded to kRegisterTokenWidth;
// the other postings leave the field blank.
inline constexpr char kSalesRegister[] = "2200";
inline constexpr char kRegisterTokenMark = '|';
inline constexpr std::size_t kRegisterTokenWidth = 7;
// What follows the letter in a token, padded as the record holds it: "|2200 ".
inline constexpr BuiltFormat kRegisterTokenTail = BuiltFormat{} << kRegisterTokenMark << std::string_view(kSalesRegister)
                                                                << Blanks{kRegisterTokenWidth - 1 - (sizeof kSalesRegister)};

// The fields that are the same in every record, by position.
struct ConstantField {
    std::size_t position;
    std::string_view text;
};
inline constexpr ConstantField kPostingConstants[] = {
    {10, "FA"},           {11, "   "},          {12, "PLN"},          {13, " "}, {14, " "},
    {15, "000000000,00"}, {16, "000000000,00"}, {17, " "},            {18, " "}, {19, " "},
    {20, " "},            {21, "000000000000"}, {22, "00000,000000"}, {23, " "}, {24, " "},
    {25, " "},            {26, " "},            {27, " "},            {28, " "},
};

// "%9.2f": an amount of the register, as printf writes it.
inline constexpr BuiltFormat kAmountFormat = BuiltFormat{} << '%' << kAmountWidth << '.' << kAmountDecimals << 'f';

// The header line's format, of the date as YYYY-MM-DD.
inline constexpr BuiltFormat kRegisterHeaderFormat = BuiltFormat{} << kRegisterKind << kRegisterSeparator
                                                                   << Blanks{kRegisterHeaderBlanks} << kRegisterSeparator
                                                                   << "%s" << kRegisterSeparator << '\n';

// The posting record's format, of the fields that carry values in their order: the account, the
// debit and credit amounts, and the other fields as texts.
constexpr BuiltFormat PostingRecordFormat() {
    BuiltFormat format;
    for (std::size_t field = 0; field < kPostingFieldCount; ++field) {
        for (const ConstantField& constant : kPostingConstants)
            if (constant.position == field) format << constant.text;
        if (field == kAccountField)
            format << "%-" << kAccountWidth << 's';
        else if (field == kDebitField || field == kCreditField)
            format << kAmountFormat.view();
        else if (field == kRegisterTokenField)
            format << "%-" << kRegisterTokenWidth << 's';
        else if (field <= kDescriptionField)
            format << "%s";
        format << kRegisterSeparator;
    }
    return format << '\n';
}
static_assert(kPostingConstants[0].position == kDescriptionField + 1, "the constant fields follow the values");
inline constexpr BuiltFormat kPostingRecordFormat = PostingRecordFormat();

// The customer accounts: the header line "      Ź      ", then one record per customer, each of
// its fields preceded by the separator: the record kind, the customer's number, the texts, each
// padded or cut to its width, and two amounts with kAccountAmountDecimals decimals.
inline constexpr char kAccountsSeparator = "Ź"_mz[0];
inline constexpr std::size_t kAccountsHeaderBlanks = 6;
inline constexpr std::string_view kAccountRecordKind = "2";
inline constexpr std::size_t kAccountFieldCount = 12;
inline constexpr std::size_t kAccountAmountDecimals = 2;
// The widths of the account record's text fields (3 to 10), each padded or cut to its width.
inline constexpr std::size_t kShortNameWidth = 20;
inline constexpr std::size_t kNameWidth = 60;
inline constexpr std::size_t kPostcodeWidth = 6;
inline constexpr std::size_t kCityWidth = 25;
inline constexpr std::size_t kStreetWidth = 32;
inline constexpr std::size_t kBankWidth = 30;
inline constexpr std::size_t kBankAccountWidth = 30;
inline constexpr std::size_t kTaxIdWidth = 18;
inline constexpr std::size_t kAccountTextWidths[] = {kShortNameWidth, kNameWidth, kPostcodeWidth,    kCityWidth,
                                                     kStreetWidth,    kBankWidth, kBankAccountWidth, kTaxIdWidth};

// The header line, which has no value.
inline constexpr BuiltFormat kAccountsHeader = BuiltFormat{} << Blanks{kAccountsHeaderBlanks} << kAccountsSeparator
                                                             << Blanks{kAccountsHeaderBlanks};

// The account record's format, of the customer's number, the eight texts and the two amounts.
constexpr BuiltFormat AccountRecordFormat() {
    BuiltFormat format;
    format << kAccountsSeparator << kAccountRecordKind << kAccountsSeparator << "%d";
    for (const std::size_t width : kAccountTextWidths) format << kAccountsSeparator << '%' << width << '.' << width << 's';
    for (int amount = 0; amount < 2; ++amount) format << kAccountsSeparator << "%0." << kAccountAmountDecimals << 'f';
    return format << '\n';
}
inline constexpr BuiltFormat kAccountRecordFormat = AccountRecordFormat();

}  // namespace klarvo::teta
