#include "export/export_object.h"

#include <utility>

#include "export/customer_marks.h"
#include "frame/dialog_base.h"
#include "frame/from_host.h"
#include "host/mazovia.h"
#include "frame/files.h"
#include "frame/messages.h"
#include "frame/session.h"
#include "frame/tables.h"
#include "posting/dialog_overrides.h"
#include "posting/range_form.h"

namespace klarvo::exporting {

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
    virtualTable = posting::ExportObjectTable();
    settings_ = LoadExportSettings();
    companyMarks_ = host::AllocateZeroedBlock(kCustomerMarkCount);
    personMarks_ = host::AllocateZeroedBlock(kCustomerMarkCount);
    customerTable_ = host::DescribeTable(host::Table::Customers);
    documentTable_ = host::DescribeTable(host::Table::SalesDocuments);
    table46_ = host::DescribeTable(host::Table::Table46);
    if (!customerTable_ || !documentTable_ || !table46_) {
        host::ShowMessage("Błąd operacji dyskowej-Constructor!\nOperacja niekompletna!"_mz);
        return;
    }
    for (host::TableDescriptor* table : {customerTable_, documentTable_, table46_})
        host::PrepareTable(table);
    customerRecord_ = customerTable_->recordBuffer;
    documentRecord_ = documentTable_->recordBuffer;
    table46Record_ = table46_->recordBuffer;
    if (!companyMarks_ || !personMarks_)
        host::ShowMessage("Błąd: brak pamięci na eksport!"_mz);
}

CExportTetaTxt::~CExportTetaTxt() { GiveBack(); }

// Each thing is marked as given back before the host is asked, so that nothing goes back twice
// when the host fails in between.
void CExportTetaTxt::GiveBack() {
    for (OutputFile* file : {&registerFile_, &accountsFile_})
        if (host::HostFile* handle = std::exchange(file->handle, nullptr)) host::CloseFile(handle);
    // Files that a run left half written must not reach the accounts.
    if (std::exchange(runUnfinished_, false))
        for (const char* name : {kRegisterFileName, kAccountsFileName}) host::EmptyOutputFile(name);
    for (unsigned char** marks : {&companyMarks_, &personMarks_})
        if (unsigned char* block = std::exchange(*marks, nullptr)) host::FreeBlock(block);
    if (std::exchange(dialogPartMade_, false)) host::EndDialogBase(this);
}

bool CExportTetaTxt::CanRun() const {
    return customerRecord_ && documentRecord_ && table46Record_ && companyMarks_ && personMarks_;
}

bool CExportTetaTxt::RunSettingsStep() {
    if (posting::RunRangeForm(this, &settings_) != posting::kFormConfirmed) return false;
    SaveExportSettings(settings_);
    return true;
}

namespace {

// Holds the host's mode flag set for the command when it was clear at the start.
class ModeFlagHold {
public:
    ModeFlagHold() {
        if (host::ModeFlagSet(host::kCommandModeFlag)) return;
        host::SetModeFlag(host::kCommandModeFlag, true);
        setHere_ = true;
    }
    ~ModeFlagHold() { Release(); }
    ModeFlagHold(const ModeFlagHold&) = delete;
    ModeFlagHold& operator=(const ModeFlagHold&) = delete;

    void Release() {
        if (std::exchange(setHere_, false)) host::SetModeFlag(host::kCommandModeFlag, false);
    }

private:
    frame::Held held_{this, [](void* hold) { static_cast<ModeFlagHold*>(hold)->Release(); }};
    bool setHere_ = false;
};

}  // namespace

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
