// The lazy binders' code: each pushes its service number and goes to the shared routine, which
// saves every general-purpose register, has klarvo_bind_slot bind the slot, puts the slot's
// target where the number was, restores the registers and returns into the target, leaving the
// stack exactly as the caller built it.

#include "frame/lazy_binders.h"
#include "frame/slot_jump.h"

#if defined(__i386__)
#define KLARVO_LAZY_BINDER_CODE(number, name, type)              \
    ".globl " KLARVO_ASM_SYMBOL(klarvo_lazy_##number) "\n"        \
    KLARVO_ASM_SYMBOL(klarvo_lazy_##number) ":\n"                 \
    "    pushl $" #number "\n"                                    \
    "    jmp " KLARVO_ASM_SYMBOL(klarvo_bind_and_jump) "\n"

asm(".text\n"
    KLARVO_HOST_SERVICES(KLARVO_LAZY_BINDER_CODE)
    KLARVO_ASM_SYMBOL(klarvo_bind_and_jump) ":\n"
    "    pushal\n"               // eax, ecx, edx, ebx, esp, ebp, esi, edi: 32 bytes
    "    pushl 32(%esp)\n"       // the service number
    "    call " KLARVO_ASM_SYMBOL(klarvo_bind_slot) "\n"
    "    addl $4, %esp\n"
    "    movl %eax, 32(%esp)\n"  // the target takes the number's place
    "    popal\n"
    "    ret\n");                // into the target, with the caller's return address on top
#endif
