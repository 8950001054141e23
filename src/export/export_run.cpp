#include "src/export/export_run.h"

#include <cstdio>
#include <optional>
#include <tuple>
#include <utility>

#include "src/export/customer_accounts.h"
#include "src/export/customer_marks.h"
#include "src/export/date_field.h"
#include "src/export/decimal_text.h"
#include "src/export/sales_register.h"
#include "src/host/posting_scheme_buffer.h"
#include "src/host/records.h"
#include "src/posting/posting_scheme.h"
#include "src/services/customers.h"
#include "src/services/dates.h"
#include "src/services/files.h"
#include "src/services/memory_blocks.h"
#include "src/services/message_boxes.h"
#include "src/services/progress.h"
#include "src/services/tables.h"
#include "src/teta/format.h"

namespace klarvo::exporting {
namespace {

// The files of an earlier export stay in the folder when a run stops before writing: they must
// not be imported as this run's.
#define KLARVO_EARLIER_FILES                                                                              \
    "Jeśli w folderze są pliki !Fs_pln.fkw i !Konta.fkx, pochodzą one z wcześniejszego eksportu:\n" \
    "nie importuj ich do systemu Teta."

struct FileTexts {
    const char* name;
    const char* notOpen;
    const char* notWritten;
    const char* leftOver;  // shown after notOpen: what the folder holds now
};
const FileTexts kRegisterTexts = {
    teta::kRegisterFileName, "Błąd: plik Fs_pln.fkw nie jest otwarty!"_mz, "Błąd: zapis pliku Fs_pln.fkw nie powiódł się!"_mz,
    "Nie można otworzyć pliku !Fs_pln.fkw (może go mieć otwarty inny program, np. system Teta).\n"
    KLARVO_EARLIER_FILES " Zamknij plik w innym programie i powtórz eksport."_mz};
const FileTexts kAccountsTexts = {
    teta::kAccountsFileName, "Błąd: plik Konta.fkx nie jest otwarty!"_mz, "Błąd: zapis pliku Konta.fkx nie powiódł się!"_mz,
    "Nie można otworzyć pliku !Konta.fkx (może go mieć otwarty inny program, np. system Teta).\n"
    "Plik !Fs_pln.fkw jest teraz pusty, a plik !Konta.fkx może zawierać konta z wcześniejszego eksportu:\n"
    "nie importuj tych plików do systemu Teta. Zamknij plik w innym programie i powtórz eksport."_mz};

constexpr auto kBothEmptied =
    "Oba pliki, !Fs_pln.fkw i !Konta.fkx, opróżniono, aby do systemu Teta nie trafił niepełny eksport.\n"
    "Usuń przyczynę błędu (np. brak miejsca na dysku) i powtórz eksport."_mz;
constexpr auto kNotEmptied =
    "Pliku %s nie udało się opróżnić: zawiera część eksportu, który się nie powiódł.\n"
    "Nie importuj plików eksportu do systemu Teta. Usuń przyczynę błędu i powtórz eksport."_mz;
constexpr auto kSchemeStopped =
    "Eksport przerwano, nie zapisano żadnego pliku.\n" KLARVO_EARLIER_FILES " Otwórz edytor schematu przyciskiem Konfig,\n"
    "%s i zatwierdź schemat."_mz;

bool Open(OutputFile& file, const FileTexts& texts) {
    if (host::HostFile* handle = services::OpenOutputFile(texts.name)) file.open.Take(handle);
    file.failed = false;
    if (file.open.Holding()) return true;
    services::ShowMessage(texts.notOpen);
    services::ShowMessage(texts.leftOver);
    return false;
}

// The handle is let go before the host is asked: a close that fails is not asked again.
void Close(OutputFile& file) {
    if (host::HostFile* handle = file.open.Release(); handle && !services::CloseFile(handle)) file.failed = true;
}

}  // namespace

ExportRun::ExportRun() {
    settings_ = LoadExportSettings();
    for (MarksHold* marks : {&companyMarks_, &personMarks_})
        if (unsigned char* block = services::AllocateZeroedBlock(kCustomerMarkCount)) marks->Take(block);
    customerTable_ = services::DescribeTable(host::Table::Customers);
    documentTable_ = services::DescribeTable(host::Table::SalesDocuments);
    preparedUnreadTable_ = services::DescribeTable(host::Table::PreparedUnread);
    if (!customerTable_ || !documentTable_ || !preparedUnreadTable_) {
        services::ShowMessage("Błąd operacji dyskowej-Constructor!\nOperacja niekompletna!"_mz);
        return;
    }
    for (host::TableDescriptor* table : {customerTable_, documentTable_, preparedUnreadTable_})
        services::PrepareTable(table);
    customerRecord_ = customerTable_->recordBuffer;
    documentRecord_ = documentTable_->recordBuffer;
    preparedUnreadRecord_ = preparedUnreadTable_->recordBuffer;
    if (!companyMarks_.Holding() || !personMarks_.Holding())
        services::ShowMessage("Błąd: brak pamięci na eksport!"_mz);
}

void ExportRun::EmptyUnfinished(const char* name) { services::EmptyOutputFile(name); }

bool ExportRun::CanRun() const {
    return customerRecord_ && documentRecord_ && preparedUnreadRecord_ && companyMarks_.Holding() &&
           personMarks_.Holding();
}

void ExportRun::Write() {
    const bool invoices = settings_.options & kExportInvoices;
    if (invoices && !LoadInvoiceScheme()) return;
    if (!Open(registerFile_, kRegisterTexts)) return;
    if (!Open(accountsFile_, kAccountsTexts)) return;
    registerUnfinished_.Take(teta::kRegisterFileName);
    accountsUnfinished_.Take(teta::kAccountsFileName);
    services::ProgressWindow progress;
    WriteRegisterHeader();
    services::ShowProgressCaption("Dokumenty sprzedaży"_mz);
    if (invoices) ExportInvoices();
    // Two empty six-character fields around the separator Ź (0xA0).
    Print<teta::kOneTextLine>(accountsFile_, teta::kAccountsHeader.text);
    services::ShowProgressCaption("Kontrahenci"_mz);
    WriteCustomerAccounts(+1);
    services::ShowProgressCaption("Os. fizyczne"_mz);
    WriteCustomerAccounts(-1);
    progress.Close();
    CloseFilesAndReport();
}

// Loaded before the files are opened: books made from a scheme of which an entry is missing
// would not balance, so such a scheme stops the export with the files untouched.
bool ExportRun::LoadInvoiceScheme() {
    const posting::TransferOutcome loaded =
        posting::TransferPostingScheme(posting::kSalesInvoiceScheme, posting::Transfer::Load);
    if (loaded.unreadable.Empty()) return true;
    char one[320], many[320];
    std::snprintf(one, sizeof one, kSchemeStopped, "uzupełnij pustą pozycję"_mz);
    std::snprintf(many, sizeof many, kSchemeStopped, "uzupełnij puste pozycje"_mz);
    posting::ReportUnreadable(loaded, one, many);
    return false;
}

void ExportRun::WriteRegisterHeader() {
    char today[host::kTodayBufferSize] = "";
    services::Today(today);
    // Fields end with the separator ■ (0xFE).
    Print<teta::kRegisterHeaderFormat>(registerFile_, FormatDate(today).text);
}

bool ExportRun::IsIncludedUndated(const void* document) {
    return host::ReadField<std::int32_t>(document, host::tspr::kIncluded) != 0 &&
           host::TextField(document, host::tspr::kDate)[0] == '\0';
}

bool ExportRun::IsSelected(const void* document) const {
    const char* date = host::TextField(document, host::tspr::kDate);
    return host::ReadField<std::int32_t>(document, host::tspr::kIncluded) != 0 && date[0] != '\0' &&
           services::CompareDates(settings_.dateFrom, date) <= 0 &&
           services::CompareDates(settings_.dateTo, date) >= 0;
}

void ExportRun::ExportInvoices() {
    services::DocumentWalk walk;
    if (!walk.Started()) return;
    while (walk.Next()) {
        if (IsIncludedUndated(documentRecord_)) undated_.Note(host::TextField(documentRecord_, host::tspr::kNumber));
        if (!IsSelected(documentRecord_)) continue;
        services::FillDocumentAmounts(documentAmounts_);
        WriteDocumentPostings();
        MarkCustomer(companyMarks_.Get(), personMarks_.Get(),
                     host::ReadField<std::int32_t>(documentRecord_, host::tspr::kCustomer));
        ++invoiceCount_;
        char counter[16];
        FormatZeroPadded(counter, invoiceCount_, 1);
        services::ShowProgressCounter(counter);
    }
}

void ExportRun::CloseFilesAndReport() {
    Close(registerFile_);
    Close(accountsFile_);
    // The run is whole once the host has closed both files without failing.
    std::ignore = registerUnfinished_.Release();
    std::ignore = accountsUnfinished_.Release();
    if (registerFile_.failed || accountsFile_.failed) return ReportFailedWrite();
    cuts_.Show();
    services::ShowFormattedMessage(
        "Ilość wyeksportowanych faktur sprzedaży: %5ld\nIlość wyeksportowanych korekt sprzedaży: %5ld\n"_mz,
        static_cast<long>(invoiceCount_), static_cast<long>(kCorrectionsExported));
    undated_.Show();
}

void ExportRun::WriteDocumentPostings() {
    char customerCode[16];
    FormatZeroPadded(customerCode, host::ReadField<std::int32_t>(documentRecord_, host::tspr::kCustomer), 4);
    // Made once, for the document's first record.
    std::optional<RegisterDocument> document;
    for (std::int16_t k = 0; k < host::kSchemeEntryCount; ++k) {
        posting::PostingLine line;
        if (posting::BuildPostingLine(k, documentAmounts_, line, customerCode)) break;
        if (!IsPosted(line.amount)) continue;
        if (!document) document.emplace(documentRecord_);
        cuts_.NotePosting(k, line, WritePostingRecord(registerFile_, line, *document), document->number.text);
    }
}

void ExportRun::WriteCustomerAccounts(int sign) {
    const unsigned char* marks = sign > 0 ? companyMarks_.Get() : personMarks_.Get();
    for (std::int32_t i = 1; i < static_cast<std::int32_t>(kCustomerMarkCount); ++i)
        if (marks[i] && services::FindCustomer(sign * i)) cuts_.NoteCustomer(WriteCustomerAccount(customerRecord_, accountsFile_));
}

// A file that was not written whole empties both: the other one alone, whole, would be imported
// as if it were the run's.
void ExportRun::ReportFailedWrite() {
    if (registerFile_.failed) services::ShowMessage(kRegisterTexts.notWritten);
    if (accountsFile_.failed) services::ShowMessage(kAccountsTexts.notWritten);
    bool allEmptied = true;
    for (const char* name : {teta::kRegisterFileName, teta::kAccountsFileName})
        if (!services::EmptyOutputFile(name)) {
            allEmptied = false;
            char text[256];
            std::snprintf(text, sizeof text, kNotEmptied, name);
            services::ShowMessage(text);
        }
    if (allEmptied) services::ShowMessage(kBothEmptied);
}

}  // namespace klarvo::exporting
