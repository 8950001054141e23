#include "src/export/export_object.h"

#include <cstdio>

#include "src/export/form_description.h"
#include "src/frame/dialog_table.h"
#include "src/host/forms.h"
#include "src/host/mazovia.h"
#include "src/posting/posting_scheme.h"
#include "src/services/form_runs.h"

namespace klarvo::exporting {
namespace {

// What the handler tells the host after the posting-scheme editor.
constexpr std::int32_t kEditorDone = -2;

}  // namespace

CExportTetaTxt::CExportTetaTxt() : host::WDialogBase(), part_(this, frame::DialogTable<CExportTetaTxt>()) {}

bool CExportTetaTxt::RunSettingsStep() {
    if (services::RunForm(this, FormDescription(), host::kRangeForm, &run_.Settings()) != host::kFormConfirmed)
        return false;
    SaveExportSettings(run_.Settings());
    return true;
}

std::int32_t CExportTetaTxt::HandleCommand(std::uint32_t code, std::int16_t kind) {
    if (kind != host::kButtonPressed) return 0;
    const auto schemeId = static_cast<std::int16_t>(code & 0xFFFF);
    // Codes that name no scheme are told so by the load and open no editor.
    const posting::TransferOutcome loaded = posting::TransferPostingScheme(schemeId, posting::Transfer::Load);
    if (!loaded.known) return 0;
    if (!loaded.unreadable.Empty())
        posting::ReportUnreadable(loaded, "Pozycja ta jest pusta: uzupełnij ją i zatwierdź schemat."_mz,
                                  "Pozycje te są puste: uzupełnij je i zatwierdź schemat."_mz);
    amountNames_ = &host::AmountName;
    if (services::RunSchemeEditor(this) != host::kFormAbandoned)
        posting::TransferPostingScheme(schemeId, posting::Transfer::Save);
    return kEditorDone;
}

std::intptr_t CExportTetaTxt::ListItem(std::int16_t index) {
    if (index == -1) return host::kAmountNameCount;
    char* text = services::ListTextBuffer();
    text[0] = '\0';
    // Only codes 0 to 32 have a name; a stored code above them shows as nothing.
    if (amountNames_ && index >= 0 && index < host::kAmountNameCount)
        std::snprintf(text, posting::kListTextSize, " %s", amountNames_(index));
    return reinterpret_cast<std::intptr_t>(text);
}

}  // namespace klarvo::exporting
