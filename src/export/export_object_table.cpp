#include <array>
#include <cstdio>
#include <utility>

#include "export/export_object.h"
#include "frame/from_host.h"
#include "frame/service_call.h"
#include "frame/slot_jump.h"
#include "host/mazovia.h"

namespace klarvo::exporting {
namespace {

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
        return Address(frame::kDialogOperationJumps[Entry]);
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

}  // namespace klarvo::exporting
