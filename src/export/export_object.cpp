#include "export/export_object.h"

#include "export/customer_marks.h"
#include "host/mazovia.h"
#include "host/files.h"
#include "host/messages.h"
#include "host/session.h"
#include "host/tables.h"
#include "posting/dialog_overrides.h"
#include "posting/range_form.h"

namespace klarvo::exporting {

CExportTetaTxt::CExportTetaTxt() : host::WDialogBase() {
    host::BindDialogOperations();
    host::MakeDialogBase(this);
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

CExportTetaTxt::~CExportTetaTxt() {
    for (OutputFile* file : {&registerFile_, &accountsFile_}) {
        if (file->handle) host::CloseFile(file->handle);
        file->handle = nullptr;
    }
    for (unsigned char** marks : {&companyMarks_, &personMarks_}) {
        if (*marks) host::FreeBlock(*marks);
        *marks = nullptr;
    }
    host::EndDialogBase(this);
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
    ModeFlagHold() : setHere_(!host::ModeFlagSet(host::kCommandModeFlag)) {
        if (setHere_) host::SetModeFlag(host::kCommandModeFlag, true);
    }
    ~ModeFlagHold() { Release(); }
    ModeFlagHold(const ModeFlagHold&) = delete;
    ModeFlagHold& operator=(const ModeFlagHold&) = delete;

    void Release() {
        if (setHere_) host::SetModeFlag(host::kCommandModeFlag, false);
        setHere_ = false;
    }

private:
    bool setHere_;
};

}  // namespace

int ExportCommand() {
    try {
        ModeFlagHold modeFlag;
        CExportTetaTxt exporter;
        if (exporter.CanRun() && exporter.RunSettingsStep()) exporter.RunExport();
        modeFlag.Release();
    } catch (const frame::MissingService&) {
        // The load report has already told the user which services the host lacks.
    }
    return 0;
}

}  // namespace klarvo::exporting
