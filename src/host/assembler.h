#pragma once
// Functions written in the assembler, made as the compiler makes its own: the C name spelled as
// the target spells it, global, typed as a function for the debugger and the linker, aligned, and
// with unwind information from the first instruction to the last, so that a debugger, a profiler
// and an exception passing through find their way across it. A function is written
//     KLARVO_ASM_FUNCTION(name) "instructions, with .cfi_ lines where the stack moves" KLARVO_ASM_END

// A C name as assembly code spells it (with the target's leading underscore on i686 Windows).
#define KLARVO_TEXT(x) #x
#define KLARVO_EXPANDED_TEXT(x) KLARVO_TEXT(x)
#define KLARVO_ASM_SYMBOL(name) KLARVO_EXPANDED_TEXT(__USER_LABEL_PREFIX__) #name

#if defined(_WIN32)
#define KLARVO_ASM_FUNCTION_TYPE(symbol) ".def " symbol "; .scl 2; .type 32; .endef\n"
#else
#define KLARVO_ASM_FUNCTION_TYPE(symbol) ".type " symbol ", @function\n"
#endif
#define KLARVO_ASM_FUNCTION(name)                                                             \
    KLARVO_ASM_FUNCTION_TYPE(KLARVO_ASM_SYMBOL(name)) ".globl " KLARVO_ASM_SYMBOL(name) "\n" \
    ".p2align 4\n" KLARVO_ASM_SYMBOL(name) ":\n"                                            \
    "    .cfi_startproc\n"
#define KLARVO_ASM_END "    .cfi_endproc\n"
