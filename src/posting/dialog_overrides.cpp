#include "posting/dialog_overrides.h"

#include <array>
#include <cstdio>
#include <utility>

#include "export/export_object.h"
#include "frame/from_host.h"
#include "frame/slot_jump.h"
#include "host/mazovia.h"
#include "frame/service_call.h"
#include "posting/posting_scheme.h"
#include "posting/range_form.h"
#include "posting/scheme_editor.h"

namespace klarvo::exporting {

// The press of a button that carries a command code.
constexpr std::int16_t kButtonPressed = 1;
// What the handler tells the host after the posting-scheme editor.
constexpr std::int32_t kEditorDone = -2;

std::int32_t CExportTetaTxt::HandleCommand(std::uint32_t code, std::int16_t kind) {
    if (kind != kButtonPressed) return 0;
    const auto schemeId = static_cast<std::int16_t>(code & 0xFFFF);
    // Codes that name no scheme are told so by the load and open no editor.
    const posting::TransferOutcome loaded = posting::TransferPostingScheme(schemeId, posting::Transfer::Load);
    if (!loaded.known) return 0;
    if (!loaded.unreadable.Empty())
        posting::ReportUnreadable(loaded, "Pozycje te są puste: uzupełnij je i zapisz schemat."_mz);
    amountNames_ = &posting::AmountName;
    if (posting::RunSchemeEditor(this) != posting::kFormAbandoned)
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

}  // namespace klarvo::exporting

namespace klarvo::posting {
namespace {

using exporting::CExportTetaTxt;

// The host calls these with the object in ECX, as its compiler calls virtual operations.

void* KLARVO_THISCALL DeletingDestruction(host::WDialogBase* self, unsigned flags) {
    return frame::FromHost<void*>(self, [&] {
        auto* object = static_cast<CExportTetaTxt*>(self);
        object->~CExportTetaTxt();
        if (flags & 1) ::operator delete(object);
        return static_cast<void*>(object);
    });
}

std::int32_t KLARVO_THISCALL CommandHandler(host::WDialogBase* self, std::uint32_t code, std::int16_t kind) {
    return frame::FromHost<std::int32_t>(0, [&] { return static_cast<CExportTetaTxt*>(self)->HandleCommand(code, kind); });
}

// On a failure the entry shows as empty: a blank, as every entry starts.
std::intptr_t KLARVO_THISCALL ListItemProvider(host::WDialogBase* self, std::int16_t index, std::int32_t) {
    static char empty[] = " ";
    return frame::FromHost<std::intptr_t>(reinterpret_cast<std::intptr_t>(empty),
                                          [&] { return static_cast<CExportTetaTxt*>(self)->ListItem(index); });
}

template <class Entry>
const void* Address(Entry entry) {
    return reinterpret_cast<const void*>(entry);
}

template <std::size_t Entry>
const void* EntryAddress() {
    if constexpr (Entry == host::kDeletingDestructor)
        return Address<host::DeletingDestructorEntry>(&DeletingDestruction);
    else if constexpr (Entry == host::kCommandHandler)
        return Address<host::CommandHandlerEntry>(&CommandHandler);
    else if constexpr (Entry == host::kListItemProvider)
        return Address<host::ListItemEntry>(&ListItemProvider);
    else
        return Address(&frame::JumpThroughSlot<host::SlotOf(host::kDialogOperationServices[Entry])>);
}

template <std::size_t... Entry>
std::array<const void*, host::kDialogOperationCount> MakeTable(std::index_sequence<Entry...>) {
    return {EntryAddress<Entry>()...};
}

}  // namespace

const void* const* ExportObjectTable() {
    static const auto table = MakeTable(std::make_index_sequence<host::kDialogOperationCount>());
    return table.data();
}

}  // namespace klarvo::posting
