#include "secondhost/failure_frames.h"

#include "secondhost/host_runtime.h"
#include "secondhost/served_call.h"

extern "C" unsigned long __cdecl _exception_code();

namespace morvel {
namespace {

// What this host throws when one of its services fails.
struct HostFailure {};

// The code this host raises its failure with under __try/__except.
constexpr unsigned long kFailureCode = 0xE0484F53;
constexpr unsigned long kNoncontinuable = 1;

// The setjmp of the call into the module now under way.
jmp_buf* g_jump = nullptr;

int InTryCatch(void (*call)(void*), void* context) {
    try {
        call(context);
    } catch (const HostFailure&) {
        return 0;
    }
    return 1;
}

int InTryExcept(void (*call)(void*), void* context) {
    __try {
        call(context);
    } __except (_exception_code() == kFailureCode ? 1 : 0) {
        return 0;
    }
    return 1;
}

int InSetjmp(void (*call)(void*), void* context) {
    jmp_buf jump;
    jmp_buf* const outer = g_jump;
    g_jump = &jump;
    if (setjmp(jump)) {
        g_jump = outer;
        return 0;
    }
    call(context);
    g_jump = outer;
    return 1;
}

}  // namespace

int CallInFrame(void (*call)(void*), void* context) {
    switch (g_core->failure_way()) {
        case MORVEL_EXCEPT:
            return InTryExcept(call, context);
        case MORVEL_LONGJMP:
            return InSetjmp(call, context);
        default:
            return InTryCatch(call, context);
    }
}

void RaiseHostFailure() {
    g_core->raise();
    switch (g_core->failure_way()) {
        case MORVEL_EXCEPT:
            RaiseException(kFailureCode, kNoncontinuable, 0, nullptr);
            break;
        case MORVEL_LONGJMP:
            longjmp(*g_jump, 1);
        default:
            throw HostFailure();
    }
    __builtin_unreachable();
}

}  // namespace morvel
