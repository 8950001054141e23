#pragma once
// The virtual table of an object derived from the host's dialog base class, as the host's
// compiler lays it out: the object's own operations where it overrides the base (deleting
// destruction, command handler, list-item provider), a jump through the service's slot
// everywhere else; 35 entries, in the host's order. The host calls them with the object in ECX,
// as its compiler calls virtual operations, and each runs as a call from the host.
//
// Object provides:
//   std::int32_t HandleCommand(std::uint32_t code, std::int16_t kind);
//   std::intptr_t ListItem(std::int16_t index);

#include <array>
#include <cstdint>
#include <new>
#include <utility>

#include "src/frame/binding.h"
#include "src/frame/from_host.h"
#include "src/frame/slot_jump.h"
#include "src/host/dialog.h"
#include "src/host/services.h"

namespace klarvo::frame {

// The host's operations that the table jumps through are bound before the table is handed out,
// so that the host never jumps through an empty slot; a missing one throws MissingService.
inline void BindDialogOperations() {
    for (const std::uint16_t number : host::kDialogOperationServices)
        if (number != 0) BoundSlot(host::SlotOf(number));
}

// What a list entry shows when the plug-in could not give its text: a blank, as every entry starts.
inline std::intptr_t EmptyListItem() {
    static char empty[] = " ";
    return reinterpret_cast<std::intptr_t>(empty);
}

template <class Object>
struct OwnDialogOperations {
    static void* KLARVO_THISCALL DeletingDestruction(host::WDialogBase* self, unsigned flags) {
        return FromHost<void*>(self, [&] {
            auto* object = static_cast<Object*>(self);
            object->~Object();
            if (flags & 1) ::operator delete(object);
            return static_cast<void*>(object);
        });
    }

    static std::int32_t KLARVO_THISCALL CommandHandler(host::WDialogBase* self, std::uint32_t code, std::int16_t kind) {
        return FromHost<std::int32_t>(0, [&] { return static_cast<Object*>(self)->HandleCommand(code, kind); });
    }

    static std::intptr_t KLARVO_THISCALL ListItemProvider(host::WDialogBase* self, std::int16_t index, std::int32_t) {
        return FromHost<std::intptr_t>(EmptyListItem(), [&] { return static_cast<Object*>(self)->ListItem(index); });
    }

    template <class Entry>
    static const void* Address(Entry entry) {
        return reinterpret_cast<const void*>(entry);
    }

    template <std::size_t Entry>
    static const void* EntryAddress() {
        if constexpr (Entry == host::kDeletingDestructor)
            return Address<host::DeletingDestructorEntry>(&DeletingDestruction);
        else if constexpr (Entry == host::kCommandHandler)
            return Address<host::CommandHandlerEntry>(&CommandHandler);
        else if constexpr (Entry == host::kListItemProvider)
            return Address<host::ListItemEntry>(&ListItemProvider);
        else
            return Address(kDialogOperationJumps[Entry]);
    }

    template <std::size_t... Entry>
    static std::array<const void*, host::kDialogOperationCount> Table(std::index_sequence<Entry...>) {
        return {EntryAddress<Entry>()...};
    }
};

// The table of Object, its host operations bound.
template <class Object>
const void* const* DialogTable() {
    BindDialogOperations();
    static const auto table = OwnDialogOperations<Object>::Table(std::make_index_sequence<host::kDialogOperationCount>());
    return table.data();
}

}  // namespace klarvo::frame
