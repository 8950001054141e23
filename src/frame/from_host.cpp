#include "src/frame/from_host.h"

#include "src/frame/message_title.h"
#include "src/frame/service_call.h"
#include "src/host/mazovia.h"
#include "src/host/windows.h"

namespace klarvo::frame {

#if defined(_WIN32)
HostExceptionFrame::HostExceptionFrame() : host::ExceptionRegistration{nullptr, &Handle} { host::PushExceptionFrame(this); }

HostExceptionFrame::~HostExceptionFrame() { host::PopExceptionFrame(this); }

// Runs inside the system's exception dispatcher, which no C++ exception may cross. Only the
// host's own exception is given back to on its way: after any other (an access violation, a
// stack overflow) the host is not asked anything, and what the plug-in held is only forgotten,
// should the host go on after it.
int __stdcall HostExceptionFrame::Handle(void* record, void* frame, void*, void*) noexcept {
    if (!host::IsUnwinding(record)) return host::kContinueSearch;
    Held& mark = static_cast<HostExceptionFrame*>(static_cast<host::ExceptionRegistration*>(frame))->mark_;
    if (static_cast<const host::ExceptionRecordHead*>(record)->code != host::kHostFaultCode) {
        ForgetAbove(mark);
        return host::kContinueSearch;
    }
    try {
        GiveBackAbove(mark);
    } catch (...) {
        // What could not be given back stays with the host, which is unwinding anyway.
    }
    return host::kContinueSearch;
}
#endif

void ReportPluginFailure(PluginFailure failure) noexcept {
    try {
        // Through the service itself: the frame lies below the plug-in's typed service calls.
        Call<host::service::ShowMessage>(kMessageTitle,
                                         failure == PluginFailure::OutOfMemory
                                             ? "Błąd: brak pamięci! Operację wtyczki przerwano."_mz
                                             : "Błąd wewnętrzny wtyczki! Operację przerwano."_mz,
                                         host::kPlainMessageStyle);
    } catch (...) {
        // Nothing more can be told than what the host could not show.
    }
}

}  // namespace klarvo::frame
