// The lazy binders' shared routine: a binder has pushed the address of its slot; the routine
// saves every general-purpose register, has klarvo_bind_slot bind the slot, puts the slot's
// target where the slot's address was, restores the registers and returns into the target,
// leaving the stack exactly as the caller built it. Typed, aligned and with unwind information,
// as a function of the compiler's own would be.

#include "src/frame/lazy_binders.h"

#include "src/frame/slot_offsets.h"
#include "src/host/assembler.h"

#if defined(__i386__)
asm(".text\n"
    KLARVO_ASM_FUNCTION(klarvo_bind_and_jump)
    "    .cfi_adjust_cfa_offset 4\n"    // the slot's address, pushed by the binder
    "    pushal\n"                      // eax, ecx, edx, ebx, esp, ebp, esi, edi: 32 bytes
    "    .cfi_adjust_cfa_offset 32\n"
    "    pushl 32(%esp)\n"              // the slot's address
    "    .cfi_adjust_cfa_offset 4\n"
    "    call " KLARVO_ASM_SYMBOL(klarvo_bind_slot) "\n"
    "    addl $4, %esp\n"
    "    .cfi_adjust_cfa_offset -4\n"
    "    movl %eax, 32(%esp)\n"         // the target takes the slot address's place
    "    popal\n"
    "    .cfi_adjust_cfa_offset -32\n"
    "    ret\n"                         // into the target, with the caller's return address on top
    KLARVO_ASM_END);

// Each binder pushes the address of its own slot and goes on to the shared routine.
#define KLARVO_LAZY_BINDER(number, name, type)                                            \
    KLARVO_ASM_FUNCTION(klarvo_lazy_binder_##number)                                      \
    "    pushl $" KLARVO_ASM_SYMBOL(klarvo_service_slots) "+klarvo_slot_" #number "\n"     \
    "    .cfi_adjust_cfa_offset 4\n"                                                       \
    "    jmp " KLARVO_ASM_SYMBOL(klarvo_bind_and_jump) "\n"                                \
    KLARVO_ASM_END

asm(".text\n" KLARVO_SLOT_OFFSETS KLARVO_HOST_SERVICES(KLARVO_LAZY_BINDER));
#endif
