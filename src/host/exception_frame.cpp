#include "src/host/exception_frame.h"

#if defined(_WIN32)
#include <windows.h>

#include <cstddef>

#include "src/host/assembler.h"

// The records and numbers written out in the header, held to the system's own.
namespace klarvo::host {
static_assert(sizeof(ExceptionRegistration) == sizeof(EXCEPTION_REGISTRATION_RECORD));
static_assert(offsetof(ExceptionRegistration, previous) == offsetof(EXCEPTION_REGISTRATION_RECORD, Next));
static_assert(offsetof(ExceptionRegistration, handler) == offsetof(EXCEPTION_REGISTRATION_RECORD, Handler));
static_assert(offsetof(ExceptionRecordHead, code) == offsetof(EXCEPTION_RECORD, ExceptionCode));
static_assert(offsetof(ExceptionRecordHead, flags) == offsetof(EXCEPTION_RECORD, ExceptionFlags));
static_assert(kUnwindingFlags == (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND));
static_assert(kContinueSearch == ExceptionContinueSearch);
}  // namespace klarvo::host

// RtlUnwind gives every frame between the raise and ours its unwinding call, with the caller's
// registers kept around it; with no record, RtlUnwind makes one of STATUS_UNWIND.
asm(".text\n"
    KLARVO_ASM_FUNCTION(klarvo_unwind_to)
    "    pushl %ebp\n"
    "    .cfi_adjust_cfa_offset 4\n"
    "    .cfi_offset %ebp, -8\n"
    "    movl %esp, %ebp\n"
    "    .cfi_def_cfa_register %ebp\n"
    "    pushl %ebx\n"
    "    .cfi_offset %ebx, -12\n"
    "    pushl %esi\n"
    "    .cfi_offset %esi, -16\n"
    "    pushl %edi\n"
    "    .cfi_offset %edi, -20\n"
    "    pushl %ebp\n"
    "    pushl $0\n"          // return value
    "    pushl 12(%ebp)\n"    // the exception record, or null
    "    pushl $1f\n"         // where the unwind goes on
    "    pushl 8(%ebp)\n"     // the frame to unwind to
    "    call " KLARVO_ASM_SYMBOL(RtlUnwind@16) "\n"
    "1:  popl %ebp\n"
    "    popl %edi\n"
    "    .cfi_restore %edi\n"
    "    popl %esi\n"
    "    .cfi_restore %esi\n"
    "    popl %ebx\n"
    "    .cfi_restore %ebx\n"
    "    popl %ebp\n"
    "    .cfi_restore %ebp\n"
    "    .cfi_def_cfa %esp, 4\n"
    "    ret\n"
    KLARVO_ASM_END);
extern "C" void klarvo_unwind_to(void* frame, void* record);

namespace klarvo::host {
namespace {

struct CatchingFrame : ExceptionRegistration {
    TakesCode takes;
    UnwindRecord record;
    void (*caught)(void* context);
    void* context;
    void* resume[5];  // for __builtin_setjmp

    // Runs inside the system's exception dispatcher; it leaves by a jump, never by a C++
    // exception.
    static int __stdcall Handle(void* record, void* frame, void*, void*) noexcept {
        auto* self = static_cast<CatchingFrame*>(static_cast<ExceptionRegistration*>(frame));
        if (IsUnwinding(record) || !self->takes(static_cast<const ExceptionRecordHead*>(record)->code))
            return kContinueSearch;
        klarvo_unwind_to(frame, self->record == UnwindRecord::Passed ? record : nullptr);
        try {
            self->caught(self->context);
        } catch (...) {
            // Goes no further: the system's dispatcher lies between here and any catch.
        }
        __builtin_longjmp(self->resume, 1);
    }
};
}  // namespace

bool CatchRaisedIn(void (*call)(void* context), void (*caught)(void* context), void* context, TakesCode takes,
                   UnwindRecord record) {
    CatchingFrame frame{{nullptr, &CatchingFrame::Handle}, takes, record, caught, context, {}};
    PushExceptionFrame(&frame);
    if (__builtin_setjmp(frame.resume)) {
        PopExceptionFrame(&frame);
        return false;
    }
    call(context);
    PopExceptionFrame(&frame);
    return true;
}

}  // namespace klarvo::host
#endif
