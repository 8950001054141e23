#include "host_fault.h"

#include "host.h"
#include "host/host_fault.h"

#if defined(_WIN32)
#include <windows.h>

// RtlUnwind gives every frame between the raise and ours its unwinding call (the module's frames
// give back what they hold), with the caller's registers kept around it.
asm(".text\n"
    ".def _klarvo_unwind_to; .scl 2; .type 32; .endef\n"
    ".globl _klarvo_unwind_to\n"
    ".p2align 4\n"
    "_klarvo_unwind_to:\n"
    "    .cfi_startproc\n"
    "    pushl %ebp\n"
    "    .cfi_adjust_cfa_offset 4\n"
    "    movl %esp, %ebp\n"
    "    pushl %ebx\n"
    "    pushl %esi\n"
    "    pushl %edi\n"
    "    pushl %ebp\n"
    "    pushl $0\n"          // return value
    "    pushl 12(%ebp)\n"    // the exception record
    "    pushl $1f\n"         // where the unwind goes on
    "    pushl 8(%ebp)\n"     // the frame to unwind to
    "    call _RtlUnwind@16\n"
    "1:  popl %ebp\n"
    "    popl %edi\n"
    "    popl %esi\n"
    "    popl %ebx\n"
    "    popl %ebp\n"
    "    .cfi_adjust_cfa_offset -4\n"
    "    ret\n"
    "    .cfi_endproc\n");
extern "C" void klarvo_unwind_to(void* frame, EXCEPTION_RECORD* record);
#endif

namespace klarvo::sim {

#if defined(_WIN32)
namespace {

constexpr DWORD kUnwinding = 0x2 | 0x4;  // EXCEPTION_UNWINDING, EXCEPTION_EXIT_UNWIND

// The host's own structured-exception frame around a call into the module: it takes the host's
// failures, unwinds the frames above it and resumes where the call was made.
struct CatchFrame {
    EXCEPTION_REGISTRATION_RECORD registration;
    void* resume[5];  // for __builtin_setjmp

    CatchFrame() {
        registration.Handler = &Handle;
        asm volatile("movl %%fs:0, %0" : "=r"(registration.Next));
        asm volatile("movl %0, %%fs:0" : : "r"(&registration) : "memory");
    }
    ~CatchFrame() { asm volatile("movl %0, %%fs:0" : : "r"(registration.Next) : "memory"); }
    CatchFrame(const CatchFrame&) = delete;
    CatchFrame& operator=(const CatchFrame&) = delete;

    static EXCEPTION_DISPOSITION NTAPI Handle(EXCEPTION_RECORD* record, void* frame, CONTEXT*, void*) {
        if ((record->ExceptionFlags & kUnwinding) || record->ExceptionCode != host::kHostFaultCode)
            return ExceptionContinueSearch;
        klarvo_unwind_to(frame, record);
        __builtin_longjmp(static_cast<CatchFrame*>(frame)->resume, 1);
    }
};

}  // namespace

void RaiseHostFault() {
    Host::Active().RaisingFault(true);
    RaiseException(host::kHostFaultCode, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    __builtin_unreachable();
}

bool CatchHostFault(const std::function<void()>& call) {
    CatchFrame frame;
    if (__builtin_setjmp(frame.resume)) {
        Host::Active().RaisingFault(false);
        return false;
    }
    call();
    return true;
}
#else
void RaiseHostFault() {
    Host::Active().RaisingFault(true);
    throw host::HostFault(Host::Active().LastFailure()->what);
}

bool CatchHostFault(const std::function<void()>& call) {
    try {
        call();
        return true;
    } catch (const host::HostFault&) {
        Host::Active().RaisingFault(false);
        return false;
    }
}
#endif

}  // namespace klarvo::sim
