#pragma once
// Windows' structured exceptions as a host and its modules meet them on 32-bit x86: frames
// registered on the thread's chain at %fs:0, each with a handler that Windows calls when an
// exception is raised above it (to let it take the exception) and again when the exception
// unwinds past it. The module's frame at every call from the host and the host's own catching
// frame are both made of this.

#if defined(_WIN32)
#if !defined(__i386__)
#error "the chain of structured-exception frames at %fs:0 is that of 32-bit x86"
#endif

namespace klarvo::host {

using ExceptionHandler = int(__stdcall*)(void* record, void* frame, void* context, void* dispatcher);

// The record that Windows walks: the next frame out, then the handler. The handler is given the
// record's address as `frame`, so the record comes first in whatever holds it.
struct ExceptionRegistration {
    ExceptionRegistration* previous;
    ExceptionHandler handler;
};

// The head of an exception record: its code and flags.
struct ExceptionRecordHead {
    unsigned long code;
    unsigned long flags;
};

// The flags of a frame's unwinding call (EXCEPTION_UNWINDING, EXCEPTION_EXIT_UNWIND).
inline constexpr unsigned long kUnwindingFlags = 0x2 | 0x4;
// A handler's answer when it does not take the exception (ExceptionContinueSearch).
inline constexpr int kContinueSearch = 1;

inline bool IsUnwinding(const void* record) {
    return static_cast<const ExceptionRecordHead*>(record)->flags & kUnwindingFlags;
}

inline void PushExceptionFrame(ExceptionRegistration* frame) {
    asm volatile("movl %%fs:0, %0" : "=r"(frame->previous));
    asm volatile("movl %0, %%fs:0" : : "r"(frame) : "memory");
}

inline void PopExceptionFrame(const ExceptionRegistration* frame) {
    asm volatile("movl %0, %%fs:0" : : "r"(frame->previous) : "memory");
}

// What a catching frame's unwind of the frames above it passes them: the exception's record, as a
// C++ catch of a Microsoft-style compiler passes it, or none, as an __except frame's global unwind
// and a longjmp do (the frames then see STATUS_UNWIND).
enum class UnwindRecord { Passed, Withheld };

using TakesCode = bool (*)(unsigned long code);

bool CatchRaisedIn(void (*call)(void* context), void (*caught)(void* context), void* context, TakesCode takes,
                   UnwindRecord record);

// Runs `call()` inside a frame that takes the exceptions raised within it whose code `takes`
// accepts: every frame above is unwound (its handler gives back what it holds), then `caught()`
// runs while the abandoned frames' memory is still whole, and CatchRaised returns false. True when
// `call` returned.
template <class Call, class Caught>
bool CatchRaised(const Call& call, const Caught& caught, TakesCode takes, UnwindRecord record = UnwindRecord::Passed) {
    struct Both {
        const Call& call;
        const Caught& caught;
    } both{call, caught};
    return CatchRaisedIn([](void* b) { static_cast<Both*>(b)->call(); }, [](void* b) { static_cast<Both*>(b)->caught(); },
                         &both, takes, record);
}

template <class Call>
bool CatchRaised(const Call& call, TakesCode takes, UnwindRecord record = UnwindRecord::Passed) {
    return CatchRaised(call, [] {}, takes, record);
}

}  // namespace klarvo::host
#endif
