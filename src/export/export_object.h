#pragma once
// CExportTetaTxt: the export as the host sees it, an object derived from the host's dialog base
// class. It carries one export run, owns the range form over the run's settings and answers the
// host's calls while a form is open.

#include <cstdint>

#include "src/export/export_run.h"
#include "src/host/dialog.h"
#include "src/services/dialog_base.h"

namespace klarvo::exporting {

class CExportTetaTxt : public host::WDialogBase {
public:
    // Has the host make its part of the object, then makes the run.
    CExportTetaTxt();
    CExportTetaTxt(const CExportTetaTxt&) = delete;
    CExportTetaTxt& operator=(const CExportTetaTxt&) = delete;

    ExportRun& Run() { return run_; }

    // Runs the range form over the run's settings; writes them and returns true when the user
    // confirmed.
    bool RunSettingsStep();

    // The object's own operations, which the host calls while a form is open.
    // A button's command code: opens the posting-scheme editor for the scheme of that code.
    std::int32_t HandleCommand(std::uint32_t code, std::int16_t kind);
    // The entries of the editor's amount pick fields: their number for -1, otherwise the
    // address of the text of entry `index` in the host's list-text buffer.
    std::intptr_t ListItem(std::int16_t index);

private:
    // First, so that the host's part is ended last.
    services::DialogBasePart part_;
    ExportRun run_;
    const char* (*amountNames_)(int code) = nullptr;  // set while the posting-scheme editor is open
};

}  // namespace klarvo::exporting
