#include "src/frame/slot_jump.h"

#include "src/frame/slot_offsets.h"
#include "src/host/assembler.h"
#include "src/host/service_list.h"

#if defined(__x86_64__)
#define KLARVO_SLOT_ADDRESSING "(%rip)"
#elif defined(__i386__)
#define KLARVO_SLOT_ADDRESSING ""
#else
#error "slot jumps are written for x86 only"
#endif

#define KLARVO_SLOT_JUMP(X, entry, number)                                \
    KLARVO_ASM_FUNCTION(klarvo_slot_jump_##number)                        \
    "    jmp *" KLARVO_ASM_SYMBOL(klarvo_service_slots) "+klarvo_slot_" #number KLARVO_SLOT_ADDRESSING "\n" \
    KLARVO_ASM_END

asm(".text\n" KLARVO_SLOT_OFFSETS KLARVO_DIALOG_OPERATIONS(KLARVO_SLOT_JUMP, unused));
