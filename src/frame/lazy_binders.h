#pragma once
// The lazy binders: on i686, one per service slot. A slot starts at its binder; a call through
// it binds the slot with every register kept, then jumps through the slot, so that the call
// reaches the host function with its `this`, its arguments and its stack as the caller made
// them, whatever its convention. As delay-load stubs do, a binder hands the shared routine the
// address of its own slot. Both are written in the assembler (lazy_binders.cpp). Natively slots
// start empty and are bound by typed calls.

#include "src/host/services.h"
#include "src/host/types.h"

#if defined(__i386__)
#define KLARVO_DECLARE_LAZY_BINDER(number, name, type) extern "C" void klarvo_lazy_binder_##number();
KLARVO_HOST_SERVICES(KLARVO_DECLARE_LAZY_BINDER)
#undef KLARVO_DECLARE_LAZY_BINDER

#define KLARVO_LAZY_BINDER_ADDRESS(number, name, type) &klarvo_lazy_binder_##number,
// The slots' starting values, in slot order, as an initializer list.
#define KLARVO_STARTING_SLOTS KLARVO_HOST_SERVICES(KLARVO_LAZY_BINDER_ADDRESS)
#else
#define KLARVO_STARTING_SLOTS
#endif
