#pragma once
// One export: the settings, the customer marks and the host tables it reads, then the two Teta
// import files written from the documents of the period, and the summary.

#include <cstdint>

#include "src/export/cut_report.h"
#include "src/export/export_settings.h"
#include "src/export/output_file.h"
#include "src/export/undated_documents.h"
#include "src/frame/hold.h"
#include "src/host/types.h"
#include "src/services/memory_blocks.h"

namespace klarvo::exporting {

class ExportRun {
public:
    // Loads the settings, allocates the customer marks and binds the host tables; tells the user
    // when a table is missing or the marks cannot be had. On every way out, an exception's
    // included, the run closes any file still open, empties both files of a run that broke off
    // and releases the marks, in that order.
    ExportRun();

    // False when construction could not bind the tables or allocate the marks.
    bool CanRun() const;

    // The record that the range form edits in place.
    ExportSettings& Settings() { return settings_; }

    // Writes both files from the documents of the period and shows the summary. A stored posting
    // scheme that cannot be read stops it before any file is touched.
    void Write();

    // Room for the document amounts that the host fills: 34 of them and the 16 bytes after them,
    // which the layout the host was built for keeps there.
    static constexpr int kAmountCount = 34 + 2;
    // Corrections are not exported: the summary's second count.
    static constexpr std::int32_t kCorrectionsExported = 0;

private:
    // A file that a run left half written must not reach the accounts.
    static void EmptyUnfinished(const char* name);

    using MarksHold = frame::Hold<unsigned char*, services::FreeBlock>;
    using UnfinishedHold = frame::Hold<const char*, EmptyUnfinished>;

    bool LoadInvoiceScheme();
    void WriteRegisterHeader();
    void ExportInvoices();
    static bool IsIncludedUndated(const void* document);
    bool IsSelected(const void* document) const;
    void WriteDocumentPostings();
    void WriteCustomerAccounts(int sign);
    void CloseFilesAndReport();
    void ReportFailedWrite();

    CutReport cuts_;
    UndatedDocuments undated_;
    std::int32_t invoiceCount_ = 0;
    ExportSettings settings_{};
    double documentAmounts_[kAmountCount] = {};
    // Given back in the reverse order: the files closed, the register first, then emptied
    // while the run is unfinished (both opened and not yet both closed at its end), then the marks.
    MarksHold personMarks_;
    MarksHold companyMarks_;
    UnfinishedHold accountsUnfinished_;
    UnfinishedHold registerUnfinished_;
    OutputFile accountsFile_;
    OutputFile registerFile_;
    host::TableDescriptor* customerTable_ = nullptr;
    host::TableDescriptor* documentTable_ = nullptr;
    host::TableDescriptor* preparedUnreadTable_ = nullptr;
    void* customerRecord_ = nullptr;
    void* documentRecord_ = nullptr;
    void* preparedUnreadRecord_ = nullptr;
};

}  // namespace klarvo::exporting
