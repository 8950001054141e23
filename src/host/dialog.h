#pragma once
// WDialogBase: the host's dialog base class, laid out as its MSVC build lays it out: the
// virtual table address first, then the host's own state.

#include <cstddef>
#include <cstdint>

#include "host/services.h"

namespace klarvo::host {

inline constexpr int kDialogOperationCount = 35;

// Entries of the virtual table (0-based) that a derived class of the plug-in implements.
enum OwnDialogOperation : int {
    kDeletingDestructor = 0,
    kCommandHandler = 1,
    kListItemProvider = 22,
};

// Host service behind each entry that the host implements; 0 where the plug-in implements it.
inline constexpr std::uint16_t kDialogOperationServices[kDialogOperationCount] = {
    0,     0,     20958, 20959, 20960, 20961, 20962, 20963, 20964, 20965, 20966, 20957,
    20948, 20949, 20950, 20951, 20952, 20953, 20954, 20955, 20956, 20947, 0,     20939,
    20940, 20941, 20942, 20943, 20944, 20945, 20946, 20937, 24002, 24003, 24004,
};

struct WDialogBase {
    const void* const* virtualTable;
    unsigned char hostState[252];
};

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

// The host calls its own operations on the object through the derived class's table, which
// jumps through their slots: they are bound before an object can be handed to the host.
inline void BindDialogOperations() {
    for (const std::uint16_t number : kDialogOperationServices)
        if (number != 0) frame::BoundSlot(SlotOf(number));
}

inline void MakeDialogBase(WDialogBase* dialog) { Call<service::MakeDialogBase>(dialog); }
inline void EndDialogBase(WDialogBase* dialog) { Call<service::EndDialogBase>(dialog); }

}  // namespace klarvo::host
