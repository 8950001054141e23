// The export run: both files, the document walk, the customer pass and the summary.

#include <cstdio>
#include <cstring>

#include "export/customer_marks.h"
#include "export/date_field.h"
#include "export/export_object.h"
#include "frame/dates.h"
#include "frame/files.h"
#include "host/mazovia.h"
#include "frame/messages.h"
#include "frame/progress.h"
#include "host/records.h"
#include "frame/tables.h"
#include "posting/posting_scheme.h"

namespace klarvo::exporting {
namespace {

struct FileTexts {
    const char* name;
    const char* notOpen;
    const char* notWritten;
};
const FileTexts kRegisterTexts = {kRegisterFileName, "Błąd: plik Fs_pln.fkw nie jest otwarty!"_mz,
                                  "Błąd: zapis pliku Fs_pln.fkw nie powiódł się!"_mz};
const FileTexts kAccountsTexts = {kAccountsFileName, "Błąd: plik Konta.fkx nie jest otwarty!"_mz,
                                  "Błąd: zapis pliku Konta.fkx nie powiódł się!"_mz};

bool Open(OutputFile& file, const FileTexts& texts) {
    file.handle = host::OpenOutputFile(texts.name);
    file.failed = false;
    if (!file.handle) host::ShowMessage(texts.notOpen);
    return file.handle != nullptr;
}

void Close(OutputFile& file) {
    if (file.handle && !host::CloseFile(file.handle)) file.failed = true;
    file.handle = nullptr;
}

}  // namespace

void CExportTetaTxt::RunExport() {
    const bool invoices = settings_.options & kExportInvoices;
    if (invoices && !LoadInvoiceScheme()) return;
    if (!Open(registerFile_, kRegisterTexts) || !Open(accountsFile_, kAccountsTexts)) return;
    runUnfinished_ = true;
    host::ProgressWindow progress;
    WriteRegisterHeader();
    std::memset(clearedArea_, 0, sizeof clearedArea_);
    host::ShowProgressCaption("Dokumenty sprzedaży"_mz);
    if (invoices) ExportInvoices();
    // Two empty six-character fields around the separator Ź (0xA0).
    Print(accountsFile_, "%6sŹ%6s\n"_mz, "", "");
    host::ShowProgressCaption("Kontrahenci"_mz);
    WriteCustomerAccounts(+1);
    host::ShowProgressCaption("Os. fizyczne"_mz);
    WriteCustomerAccounts(-1);
    progress.Close();
    runUnfinished_ = false;
    CloseFilesAndReport();
}

// Loaded before the files are opened: books made from a scheme of which an entry is missing
// would not balance, so such a scheme stops the export with the files untouched.
bool CExportTetaTxt::LoadInvoiceScheme() {
    const posting::TransferOutcome loaded =
        posting::TransferPostingScheme(posting::kSalesInvoiceScheme, posting::Transfer::Load);
    if (loaded.unreadable.Empty()) return true;
    posting::ReportUnreadable(loaded, "Eksport przerwano, nie zapisano żadnego pliku.\n"
                                      "Zapisz schemat ponownie przyciskiem \" Konfig\"."_mz);
    return false;
}

void CExportTetaTxt::WriteRegisterHeader() {
    char today[host::kTodayBufferSize] = "";
    host::Today(today);
    // Fields end with the separator ■ (0xFE).
    Print(registerFile_, "SP■    ■%s■\n"_mz, FormatDate(today).text);
}

bool CExportTetaTxt::IsSelected(const void* document) const {
    const char* date = host::TextField(document, host::tspr::kDate);
    return host::ReadField<std::int32_t>(document, host::tspr::kIncluded) != 0 && date[0] != '\0' &&
           host::CompareDates(settings_.dateFrom, date) <= 0 &&
           host::CompareDates(settings_.dateTo, date) >= 0;
}

void CExportTetaTxt::ExportInvoices() {
    host::DocumentWalk walk;
    if (!walk.Started()) return;
    while (walk.Next()) {
        if (!IsSelected(documentRecord_)) continue;
        host::Call<host::service::FillDocumentAmounts>(0, documentAmounts_, 0, 0);
        WriteDocumentPostings();
        MarkCustomer(companyMarks_, personMarks_,
                     host::ReadField<std::int32_t>(documentRecord_, host::tspr::kCustomer));
        ++invoiceCount_;
        char counter[16];
        std::snprintf(counter, sizeof counter, "%ld", static_cast<long>(invoiceCount_));
        host::ShowProgressCounter(counter);
    }
}

void CExportTetaTxt::CloseFilesAndReport() {
    Close(registerFile_);
    Close(accountsFile_);
    if (registerFile_.failed) host::ShowMessage(kRegisterTexts.notWritten);
    if (accountsFile_.failed) host::ShowMessage(kAccountsTexts.notWritten);
    if (registerFile_.failed || accountsFile_.failed) return;
    cuts_.Show();
    host::ShowFormattedMessage(
        "Ilość wyeksportowanych faktur sprzedaży: %5ld\nIlość wyeksportowanych korekt sprzedaży: %5ld\n"_mz,
        static_cast<long>(invoiceCount_), static_cast<long>(correctionCount_));
}

}  // namespace klarvo::exporting
