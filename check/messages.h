#pragma once
// Every text klarvo-check shows, in English and in Polish. A text's arguments stand where its {1},
// {2}, ... stand, so that each language orders a sentence as it must; numbers and dates are
// written as a reader of that language writes them.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "check/language.h"

namespace klarvo::check {

enum class Text : std::uint16_t {
    // Where a finding is: the file, its line, its field.
    PlaceInFile, PlaceOnLine, PlaceInField, FieldNamed,
    // The register's named fields.
    FieldAccount, FieldDebit, FieldCredit, FieldDocumentNumber, FieldDocumentDate, FieldDueDate, FieldDocumentDate7,
    FieldRegisterToken, FieldDocumentDate9, FieldDescription, FieldNumber,
    // The account records' fields.
    FieldKind, FieldCustomerNumber, FieldShortName, FieldName, FieldPostcode, FieldCity, FieldStreet, FieldBank,
    FieldBankAccount, FieldTaxId, FieldCreditLimit, FieldDiscount,
    // The register table's own headings.
    ColumnDocument, ColumnDate, ColumnToken,
    // The lines of a file.
    LongLine, NoLastLineEnd, BareLineFeed, CarriageReturnInside, EmptyFile,
    // The register.
    RegisterHeaderNot, AccountsWhereRegister, NoRegister, PostingFieldsRule, PostingFields, NotAnAccount, NotADate,
    NotTheDocumentDate, DueBeforeDocument, LongDescription, NotTheConstant, NotAnAmount, NotAToken,
    TokenWithoutCredit, UnbalancedRule, Unbalanced, TwiceRule, Twice, AtLine, AtLines, LineNamed, LinesNamed, SameNumberRule, SameNumber, RepeatRule, Repeat, FullAccountRule, FullAccount, NoRecordRule,
    NoRecord, UnmarkedRule, Unmarked, MergedRule, Merged, SeriesGapRule, SeriesGap, MoreRanges,
    // The accounts file.
    SwappedRule, AccountsHeaderNot, RegisterWhereAccounts, NoAccounts, AccountFieldsRule, AccountFields, NotACustomerNumber,
    SecondRecordRule, SecondRecord, WidthRule, Width, FullFieldRule, FullField, UnsplitAddressRule, UnsplitAddress,
    StreetInCityRule, StreetInCity, TaxIdRule, TaxIdCheck, BankAccountRule, BankAccountCheck, BankDigitsRule, BankDigits,
    BankNameRule, BankName, ChangedRecordRule, ChangedRecord, UnbookedAccountRule, UnbookedAccount,
    // Both.
    StrangeCharacterRule, StrangeCharacter, StrangeControl,
    // What cannot be read.
    IsADirectory, CannotRead, CannotReadConfiguration, NoSuchPath, OneFile, FolderWithout,
    // The archive of imports.
    ExportFolderWithout, ExportFolderTwice,
    ArchiveNotFolder, ArchiveEntryDamaged, ArchiveFileUnsound, ArchiveStrangeRule, ArchiveStrange,
    UnfinishedCopyRule, UnfinishedCopy, Archived, NotArchivedFindings, NothingToArchive, ArchiveFailed,
    // The report.
    NoFindings, NoFindingsButNotes, FindingsTitle, NotesTitle, GroupHeading, MorePlaces, Summary, DatesOfRun, DatesOfUnknownRun,
    NoDocumentsOfRun, NoDocumentsOfUnknownRun,
    ShowAccounts, ShowRegister,
    // The report page.
    ReportTitle, ReportFiles, ReportChecked, VerdictFindings, VerdictNotes, VerdictClean, ReportSummary, LabelDocuments,
    LabelPostings, LabelCustomers, LabelFindings, LabelNotes, ReportDocuments, ReportPositions, ReportPositionsHint,
    ReportAccounts, ColumnOrdinal, ColumnNumber, ColumnCustomer, ColumnGross, ColumnNet, ColumnVat, ColumnAccounts,
    ColumnPostings, ColumnPosition, ColumnAmount, TotalRow, NoEntry, ReportFileName, ReportWritten, ReportFailed,
    ReportOption, BoxReport,
    // The command line.
    Description, Footer, FilesName, FilesOption, ShowOption, CsvOption, ExcelOption, TableOption, AllOption, SchemeOption,
    HistoryOption, ArchiveOption, LangOption, HelpFlag, VersionFlag, LabelUsage, LabelOptions, LabelPositionals, LabelRequired,
    LabelExcludes, LabelNeeds, TypeText, TypeFile, TypeArchives, NoFiles, TooManyFiles, NotExpected, UnknownOption, NeedsValue, NotAllowed, CannotCombine,
    UnreadableCommandLine, DidYouMean,
    Count
};

// A text and its arguments, already written in the language that shows them.
struct Message {
    Message(Text text, std::vector<std::string> arguments = {}) : text(text), arguments(std::move(arguments)) {}

    Text text;
    std::vector<std::string> arguments;
};

std::string Say(Language language, const Message& message);

// What stops a check (a file or a folder that cannot be read, an archive that cannot be written),
// to be told in the user's language; what() says it in English.
class CheckFailure : public std::runtime_error {
public:
    explicit CheckFailure(Message message);

    const Message message;
};

// The text as it stands in the table, its {N} unfilled.
std::string_view Wording(Language language, Text text);

// Hundredths: "2558.41" in English, "2558,41" in Polish (and "71 558,88": Polish groups the
// thousands of a number of five digits or more, with a non-breaking space).
std::string Amount(Language language, std::int64_t hundredths);

// A count, grouped as Amount groups it.
std::string Count(Language language, std::int64_t count);

// Nouns that follow a count, in the form the count asks for.
enum class Noun { Byte, Character, Digit, FieldWithSeparator, FieldAfterZ, Place, Range, Finding, Note };

// "1 range", "3 ranges"; "1 przedział", "3 przedziały", "5 przedziałów": the count written as
// Count writes it, the noun in the form that the count asks for.
std::string Counted(Language language, std::int64_t count, Noun noun);

// What the system said of a failure, in the language: in Polish by what it means ("to nie jest
// folder"), the system's own words for the rare ones.
std::string SystemError(Language language, const std::error_code& code);

// A date YYYY-MM-DD: as it stands in English, DD.MM.YYYY in Polish; anything else as it stands.
std::string Date(Language language, std::string_view date);

}  // namespace klarvo::check
