#pragma once
// The lazy binders: on i686, one per service slot. A slot starts at its binder; a call through
// it binds the slot with every register kept, then jumps through the slot, so that the call
// reaches the host function with its `this`, its arguments and its stack as the caller made
// them, whatever its convention. As delay-load stubs do, a binder hands the shared routine the
// address of its own slot. Natively slots start empty and are bound by typed calls.

#include "host/services.h"
#include "host/types.h"

#if defined(__i386__)
namespace klarvo::frame {

template <int SlotIndex>
__attribute__((naked)) void LazyBinder() {
    asm("pushl $" KLARVO_ASM_SYMBOL(klarvo_service_slots) "+%c0\n\t"
        "jmp " KLARVO_ASM_SYMBOL(klarvo_bind_and_jump) ::"i"(SlotIndex * sizeof(void*)));
}

}  // namespace klarvo::frame

#define KLARVO_LAZY_BINDER_ADDRESS(number, name, type) \
    &klarvo::frame::LazyBinder<klarvo::host::service::name::kIndex>,
// The slots' starting values, in slot order, as an initializer list.
#define KLARVO_STARTING_SLOTS KLARVO_HOST_SERVICES(KLARVO_LAZY_BINDER_ADDRESS)
#else
#define KLARVO_STARTING_SLOTS
#endif
