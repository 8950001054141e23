#pragma once
// WDialogBase: the host's dialog base class, laid out as its MSVC build lays it out: the
// virtual table address first, then the host's own state.

#include <array>
#include <cstddef>
#include <cstdint>

#include "src/host/services.h"

namespace klarvo::host {

inline constexpr int kDialogOperationCount = 35;

// Entries of the virtual table (0-based) that a derived class of the plug-in implements.
enum OwnDialogOperation : int {
    kDeletingDestructor = 0,
    kCommandHandler = 1,
    kListItemProvider = 22,
};

// Host service behind each entry (0-based) that the host implements; 0 where the plug-in
// implements it. Made from the service list's own list of the operations.
constexpr std::array<std::uint16_t, kDialogOperationCount> DialogOperationServices() {
    std::array<std::uint16_t, kDialogOperationCount> services{};
#define KLARVO_DIALOG_OPERATION_ENTRY(X, entry, number) services[entry - 1] = number;
    KLARVO_DIALOG_OPERATIONS(KLARVO_DIALOG_OPERATION_ENTRY, unused)
#undef KLARVO_DIALOG_OPERATION_ENTRY
    return services;
}
inline constexpr std::array<std::uint16_t, kDialogOperationCount> kDialogOperationServices = DialogOperationServices();

struct WDialogBase {
    const void* const* virtualTable;
    unsigned char hostState[252];
};
// The room that the plug-in's object gives the host's base part: the host's constructor (20902)
// fills it, its own state after the virtual table address, which the derived class's members follow.
static_assert(offsetof(WDialogBase, virtualTable) == 0 && offsetof(WDialogBase, hostState) == sizeof(void*));
static_assert(sizeof(void*) != 4 || sizeof(WDialogBase) == 256, "in the 32-bit host the base part is 256 bytes");

// The entries that a derived class implements, as the host calls them.
using DeletingDestructorEntry = void*(KLARVO_THISCALL*)(WDialogBase* self, unsigned flags);
// A form's button or key with a command code; event kind 1 is the press of a button.
using CommandHandlerEntry = std::int32_t(KLARVO_THISCALL*)(WDialogBase* self, std::uint32_t code, std::int16_t kind);
// The entries of a list: their number for -1, otherwise the address of entry `index`'s text.
using ListItemEntry = std::intptr_t(KLARVO_THISCALL*)(WDialogBase* self, std::int16_t index, std::int32_t unused);

// An entry of the object's virtual table, with the signature under which the host calls it.
template <class Entry>
Entry TableEntry(const WDialogBase* object, int index) {
    return reinterpret_cast<Entry>(const_cast<void*>(object->virtualTable[index]));
}

}  // namespace klarvo::host
