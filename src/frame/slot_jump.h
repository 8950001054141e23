#pragma once
// Code that jumps through a service slot with every register and the stack as the caller left
// them, so that a call of any convention and signature reaches the host's service unchanged.

#include "frame/binding.h"
#include "host/types.h"

namespace klarvo::frame {

// The slot must be bound before the first jump.
template <int SlotIndex>
__attribute__((naked)) void JumpThroughSlot() {
#if defined(__x86_64__)
    asm("jmp *" KLARVO_ASM_SYMBOL(klarvo_service_slots) "+%c0(%%rip)" ::"i"(SlotIndex * sizeof(CodeAddress)));
#elif defined(__i386__)
    asm("jmp *" KLARVO_ASM_SYMBOL(klarvo_service_slots) "+%c0" ::"i"(SlotIndex * sizeof(CodeAddress)));
#else
#error "slot jumps are written for x86 only"
#endif
}

}  // namespace klarvo::frame
