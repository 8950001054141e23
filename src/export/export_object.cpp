#include "export/export_object.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "export/customer_accounts.h"
#include "export/customer_marks.h"
#include "export/date_field.h"
#include "export/range_form.h"
#include "export/sales_register.h"
#include "export/scheme_editor.h"
#include "frame/customers.h"
#include "frame/dates.h"
#include "frame/dialog_base.h"
#include "frame/files.h"
#include "frame/from_host.h"
#include "frame/messages.h"
#include "frame/posting_scheme_buffer.h"
#include "frame/progress.h"
#include "frame/service_call.h"
#include "frame/session.h"
#include "frame/tables.h"
#include "host/forms.h"
#include "host/mazovia.h"
#include "host/records.h"
#include "teta/format.h"
#include "posting/posting_scheme.h"

namespace klarvo::exporting {
namespace {

// The press of a button that carries a command code.
// What the handler tells the host after the posting-scheme editor.
constexpr std::int32_t kEditorDone = -2;

struct FileTexts {
    const char* name;
    const char* notOpen;
    const char* notWritten;
};
const FileTexts kRegisterTexts = {teta::kRegisterFileName, "Błąd: plik Fs_pln.fkw nie jest otwarty!"_mz,
                                  "Błąd: zapis pliku Fs_pln.fkw nie powiódł się!"_mz};
const FileTexts kAccountsTexts = {teta::kAccountsFileName, "Błąd: plik Konta.fkx nie jest otwarty!"_mz,
                                  "Błąd: zapis pliku Konta.fkx nie powiódł się!"_mz};

bool Open(OutputFile& file, const FileTexts& texts) {
    file.handle = host::OpenOutputFile(texts.name);
    file.failed = false;
    if (!file.handle) host::ShowMessage(texts.notOpen);
    return file.handle != nullptr;
}

// The handle is let go before the host is asked: a close that fails is not asked again.
void Close(OutputFile& file) {
    if (host::HostFile* handle = std::exchange(file.handle, nullptr); handle && !host::CloseFile(handle))
        file.failed = true;
}

// Holds the host's mode flag set for the command when it was clear at the start.
class ModeFlagHold {
public:
    ModeFlagHold() {
        if (host::ModeFlagSet(host::kCommandModeFlag)) return;
        // Marked first: clearing a flag that the host could not set leaves it as it was.
        setHere_ = true;
        try {
            host::SetModeFlag(host::kCommandModeFlag, true);
        } catch (...) {
            // A constructor that does not finish runs no destructor.
            Release();
            throw;
        }
    }
    ~ModeFlagHold() noexcept(false) { Release(); }
    ModeFlagHold(const ModeFlagHold&) = delete;
    ModeFlagHold& operator=(const ModeFlagHold&) = delete;

    void Release() {
        if (std::exchange(setHere_, false))
            frame::AskHostToTakeBack([] { host::SetModeFlag(host::kCommandModeFlag, false); });
    }

private:
    frame::Held held_{this, [](void* hold) { static_cast<ModeFlagHold*>(hold)->Release(); }};
    bool setHere_ = false;
};


}  // namespace

CExportTetaTxt::CExportTetaTxt() : host::WDialogBase() {
    try {
        Construct();
    } catch (...) {
        // A constructor that does not finish runs no destructor: what it took goes back here.
        GiveBack();
        throw;
    }
}

void CExportTetaTxt::Construct() {
    host::BindDialogOperations();
    host::MakeDialogBase(this);
    dialogPartMade_ = true;
    virtualTable = ExportObjectTable();
    settings_ = LoadExportSettings();
    companyMarks_ = host::AllocateZeroedBlock(kCustomerMarkCount);
    personMarks_ = host::AllocateZeroedBlock(kCustomerMarkCount);
    customerTable_ = host::DescribeTable(host::Table::Customers);
    documentTable_ = host::DescribeTable(host::Table::SalesDocuments);
    preparedUnreadTable_ = host::DescribeTable(host::Table::PreparedUnread);
    if (!customerTable_ || !documentTable_ || !preparedUnreadTable_) {
        host::ShowMessage("Błąd operacji dyskowej-Constructor!\nOperacja niekompletna!"_mz);
        return;
    }
    for (host::TableDescriptor* table : {customerTable_, documentTable_, preparedUnreadTable_})
        host::PrepareTable(table);
    customerRecord_ = customerTable_->recordBuffer;
    documentRecord_ = documentTable_->recordBuffer;
    preparedUnreadRecord_ = preparedUnreadTable_->recordBuffer;
    if (!companyMarks_ || !personMarks_)
        host::ShowMessage("Błąd: brak pamięci na eksport!"_mz);
}

CExportTetaTxt::~CExportTetaTxt() noexcept(false) { GiveBack(); }

// Each thing is marked as given back before the host is asked, so that nothing goes back twice
// when the host fails in between, and a failure does not keep the rest from going back.
void CExportTetaTxt::GiveBack() {
    frame::TakingBack takingBack;
    for (OutputFile* file : {&registerFile_, &accountsFile_})
        if (host::HostFile* handle = std::exchange(file->handle, nullptr))
            takingBack.Ask([handle] { host::CloseFile(handle); });
    // Files that a run left half written must not reach the accounts.
    if (std::exchange(runUnfinished_, false))
        for (const char* name : {teta::kRegisterFileName, teta::kAccountsFileName})
            takingBack.Ask([name] { host::EmptyOutputFile(name); });
    for (unsigned char** marks : {&companyMarks_, &personMarks_})
        if (unsigned char* block = std::exchange(*marks, nullptr)) takingBack.Ask([block] { host::FreeBlock(block); });
    if (std::exchange(dialogPartMade_, false)) takingBack.Ask([this] { host::EndDialogBase(this); });
    takingBack.Done();
}

bool CExportTetaTxt::CanRun() const {
    return customerRecord_ && documentRecord_ && preparedUnreadRecord_ && companyMarks_ && personMarks_;
}

bool CExportTetaTxt::RunSettingsStep() {
    if (RunRangeForm(this, &settings_) != host::kFormConfirmed) return false;
    SaveExportSettings(settings_);
    return true;
}

void CExportTetaTxt::RunExport() {
    const bool invoices = settings_.options & kExportInvoices;
    if (invoices && !LoadInvoiceScheme()) return;
    if (!Open(registerFile_, kRegisterTexts) || !Open(accountsFile_, kAccountsTexts)) return;
    runUnfinished_ = true;
    host::ProgressWindow progress;
    WriteRegisterHeader();
    host::ShowProgressCaption("Dokumenty sprzedaży"_mz);
    if (invoices) ExportInvoices();
    // Two empty six-character fields around the separator Ź (0xA0).
    Print(accountsFile_, "%6sŹ%6s\n"_mz, "", "");
    host::ShowProgressCaption("Kontrahenci"_mz);
    WriteCustomerAccounts(+1);
    host::ShowProgressCaption("Os. fizyczne"_mz);
    WriteCustomerAccounts(-1);
    progress.Close();
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
    // The run is whole once the host has closed both files without failing.
    runUnfinished_ = false;
    if (registerFile_.failed) host::ShowMessage(kRegisterTexts.notWritten);
    if (accountsFile_.failed) host::ShowMessage(kAccountsTexts.notWritten);
    if (registerFile_.failed || accountsFile_.failed) return;
    cuts_.Show();
    host::ShowFormattedMessage(
        "Ilość wyeksportowanych faktur sprzedaży: %5ld\nIlość wyeksportowanych korekt sprzedaży: %5ld\n"_mz,
        static_cast<long>(invoiceCount_), static_cast<long>(kCorrectionsExported));
}

void CExportTetaTxt::WriteDocumentPostings() {
    char customerCode[16];
    std::snprintf(customerCode, sizeof customerCode, "%04d",
                  static_cast<int>(host::ReadField<std::int32_t>(documentRecord_, host::tspr::kCustomer)));
    // Made once, for the document's first record.
    std::optional<RegisterDocument> document;
    for (std::int16_t k = 0; k < host::kSchemeEntryCount; ++k) {
        posting::PostingLine line;
        if (posting::BuildPostingLine(k, documentAmounts_, line, customerCode)) break;
        if (!IsPosted(line.amount)) continue;
        if (!document) document.emplace(RegisterDocumentOf(documentRecord_));
        cuts_.NotePosting(k, line, WritePostingRecord(registerFile_, line, *document), document->number.text);
    }
}

void CExportTetaTxt::WriteCustomerAccounts(int sign) {
    const unsigned char* marks = sign > 0 ? companyMarks_ : personMarks_;
    for (std::int32_t i = 1; i < static_cast<std::int32_t>(kCustomerMarkCount); ++i)
        if (marks[i] && host::FindCustomer(sign * i)) cuts_.NoteCustomer(WriteCustomerAccount(customerRecord_, accountsFile_));
}

std::int32_t CExportTetaTxt::HandleCommand(std::uint32_t code, std::int16_t kind) {
    if (kind != host::kButtonPressed) return 0;
    const auto schemeId = static_cast<std::int16_t>(code & 0xFFFF);
    // Codes that name no scheme are told so by the load and open no editor.
    const posting::TransferOutcome loaded = posting::TransferPostingScheme(schemeId, posting::Transfer::Load);
    if (!loaded.known) return 0;
    if (!loaded.unreadable.Empty())
        posting::ReportUnreadable(loaded, "Pozycje te są puste: uzupełnij je i zapisz schemat."_mz);
    amountNames_ = &posting::AmountName;
    if (RunSchemeEditor(this) != host::kFormAbandoned)
        posting::TransferPostingScheme(schemeId, posting::Transfer::Save);
    return kEditorDone;
}

std::intptr_t CExportTetaTxt::ListItem(std::int16_t index) {
    if (index == -1) return posting::kAmountNameCount;
    char* text = host::Call<host::service::ListTextBuffer>();
    text[0] = '\0';
    // Only codes 0 to 32 have a name; a stored code above them shows as nothing.
    if (amountNames_ && index >= 0 && index < posting::kAmountNameCount)
        std::snprintf(text, posting::kListTextSize, " %s", amountNames_(index));
    return reinterpret_cast<std::intptr_t>(text);
}

int ExportCommand() {
    return frame::FromHost(0, [] {
        ModeFlagHold modeFlag;
        CExportTetaTxt exporter;
        if (exporter.CanRun() && exporter.RunSettingsStep()) exporter.RunExport();
        modeFlag.Release();
        return 0;
    });
}

}  // namespace klarvo::exporting
