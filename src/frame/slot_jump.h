#pragma once
// Code that jumps through a service slot with every register and the stack as the caller left
// them, so that a call of any convention and signature reaches the host's service unchanged: one
// for each operation of the host's dialog base class, written in the assembler (slot_jump.cpp).
// The slot must be bound before the first jump.

#include <array>

#include "src/host/dialog.h"

#define KLARVO_DECLARE_SLOT_JUMP(X, entry, number) extern "C" void klarvo_slot_jump_##number();
KLARVO_DIALOG_OPERATIONS(KLARVO_DECLARE_SLOT_JUMP, unused)
#undef KLARVO_DECLARE_SLOT_JUMP

namespace klarvo::frame {

// The jump behind each entry of the virtual table (0-based) that the host implements; null where
// the plug-in implements the entry.
inline constexpr std::array<void (*)(), host::kDialogOperationCount> kDialogOperationJumps = [] {
    std::array<void (*)(), host::kDialogOperationCount> jumps{};
#define KLARVO_SLOT_JUMP_ENTRY(X, entry, number) jumps[entry - 1] = &klarvo_slot_jump_##number;
    KLARVO_DIALOG_OPERATIONS(KLARVO_SLOT_JUMP_ENTRY, unused)
#undef KLARVO_SLOT_JUMP_ENTRY
    return jumps;
}();

}  // namespace klarvo::frame
