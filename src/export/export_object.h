#pragma once
// CExportTetaTxt: one export, from the settings to the two Teta import files.

#include <cstdint>

#include "export/cut_report.h"
#include "export/export_settings.h"
#include "export/output_file.h"
#include "frame/held.h"
#include "host/dialog.h"

namespace klarvo::exporting {

class CExportTetaTxt : public host::WDialogBase {
public:
    // Loads the settings, allocates the customer marks and binds the host tables; tells the user
    // when a table is missing.
    CExportTetaTxt();
    // Closes any file still open (and empties both files of a run that broke off), releases the
    // marks and ends the dialog base part; so does an exception that passes the object.
    ~CExportTetaTxt() noexcept(false);
    CExportTetaTxt(const CExportTetaTxt&) = delete;
    CExportTetaTxt& operator=(const CExportTetaTxt&) = delete;

    // False when construction could not bind the tables or allocate the marks.
    bool CanRun() const;

    // Runs the range form; writes the settings and returns true when the user confirmed.
    bool RunSettingsStep();

    // Writes both files from the documents of the period and shows the summary. A stored posting
    // scheme that cannot be read stops it before any file is touched.
    void RunExport();

    // The overrides of the host's dialog operations, which the host calls while a form is open.
    // A button's command code: opens the posting-scheme editor for the scheme of that code.
    std::int32_t HandleCommand(std::uint32_t code, std::int16_t kind);
    // The entries of the editor's amount pick fields: their number for -1, otherwise the
    // address of the text of entry `index` in the host's list-text buffer.
    std::intptr_t ListItem(std::int16_t index);

    // Room for the document amounts that the host fills: 34 of them and the 16 bytes after them,
    // which the layout the host was built for keeps there.
    static constexpr int kAmountCount = 34 + 2;
    // Corrections are not exported: the summary's second count.
    static constexpr std::int32_t kCorrectionsExported = 0;

private:
    void Construct();
    void GiveBack();
    bool LoadInvoiceScheme();
    void WriteRegisterHeader();
    void ExportInvoices();
    bool IsSelected(const void* document) const;
    void WriteDocumentPostings();
    void WriteCustomerAccounts(int sign);
    void CloseFilesAndReport();

    frame::Held held_{this, [](void* object) { static_cast<CExportTetaTxt*>(object)->GiveBack(); }};
    bool dialogPartMade_ = false;
    bool runUnfinished_ = false;  // both files opened, and not yet both closed at the run's end
    CutReport cuts_;
    std::int32_t invoiceCount_ = 0;
    ExportSettings settings_{};
    double documentAmounts_[kAmountCount] = {};
    unsigned char* companyMarks_ = nullptr;
    unsigned char* personMarks_ = nullptr;
    OutputFile registerFile_;
    OutputFile accountsFile_;
    host::TableDescriptor* customerTable_ = nullptr;
    host::TableDescriptor* documentTable_ = nullptr;
    host::TableDescriptor* preparedUnreadTable_ = nullptr;
    void* customerRecord_ = nullptr;
    void* documentRecord_ = nullptr;
    void* preparedUnreadRecord_ = nullptr;
    const char* (*amountNames_)(int code) = nullptr;  // set while the posting-scheme editor is open
};

// The object's virtual table as the host's dialog base class lays it out: the object's own
// operations where it overrides the base, the host's services everywhere else; 35 entries, in the
// host's order. Made in export_object_table.cpp.
const void* const* ExportObjectTable();

// The plug-in's command "Eksport Teta (txt)"; always returns 0.
int ExportCommand();

}  // namespace klarvo::exporting
