#include "frame/from_host.h"

#include "host/mazovia.h"
#include "frame/messages.h"

namespace klarvo::frame {

#if defined(_WIN32)
namespace {

// ExceptionFlags of an exception record, and what a handler answers.
constexpr unsigned long kUnwinding = 0x2 | 0x4;  // EXCEPTION_UNWINDING, EXCEPTION_EXIT_UNWIND
constexpr int kContinueSearch = 1;

struct ExceptionRecordHead {
    unsigned long code;
    unsigned long flags;
};

}  // namespace

HostExceptionFrame::HostExceptionFrame() : registration_{nullptr, &Handle}, mark_(TopHeld()) {
    asm volatile("movl %%fs:0, %0" : "=r"(registration_.previous));
    asm volatile("movl %0, %%fs:0" : : "r"(&registration_) : "memory");
}

HostExceptionFrame::~HostExceptionFrame() { asm volatile("movl %0, %%fs:0" : : "r"(registration_.previous) : "memory"); }

int __stdcall HostExceptionFrame::Handle(void* record, void* frame, void*, void*) {
    if (static_cast<const ExceptionRecordHead*>(record)->flags & kUnwinding) {
        const auto* self = reinterpret_cast<const HostExceptionFrame*>(frame);
        GiveBackDownTo(self->mark_);
    }
    return kContinueSearch;
}
#endif

void ReportPluginFailure(PluginFailure failure) noexcept {
    try {
        host::ShowMessage(failure == PluginFailure::OutOfMemory
                              ? "Błąd: brak pamięci! Operację wtyczki przerwano."_mz
                              : "Błąd wewnętrzny wtyczki! Operację przerwano."_mz);
    } catch (...) {
        // Nothing more can be told than what the host could not show.
    }
}

}  // namespace klarvo::frame
