#include "src/frame/from_host.h"

#include <new>

#include "src/frame/binding.h"
#include "src/frame/message_title.h"
#include "src/frame/service_call.h"
#include "src/host/mazovia.h"
#include "src/host/windows.h"

namespace klarvo::frame {

#if defined(_WIN32)
HostExceptionFrame::HostExceptionFrame() : host::ExceptionRegistration{nullptr, &Handle} { host::PushExceptionFrame(this); }

HostExceptionFrame::~HostExceptionFrame() { host::PopExceptionFrame(this); }

// Runs inside the system's exception dispatcher, which no C++ exception may cross. A release that
// fails or crashes goes no further than itself (GiveBackAbove), and the list of holds is the
// plug-in's own memory, so the give-back is safe whatever the unwind came from.
int __stdcall HostExceptionFrame::Handle(void* record, void* frame, void*, void*) noexcept {
    if (!host::IsUnwinding(record)) return host::kContinueSearch;
    try {
        GiveBackAbove(static_cast<HostExceptionFrame*>(static_cast<host::ExceptionRegistration*>(frame))->mark_);
    } catch (...) {
        // What could not be given back stays with the host, which is unwinding anyway.
    }
    return host::kContinueSearch;
}
#else
namespace {

int g_framesEntered = 0;

}  // namespace

HostExceptionFrame::HostExceptionFrame() { ++g_framesEntered; }

HostExceptionFrame::~HostExceptionFrame() {
    if (--g_framesEntered == 0) ForgetHostsException();
}
#endif

void ReportPluginFailure(std::exception_ptr failure) noexcept {
    const char* text = "Błąd wewnętrzny wtyczki! Operację przerwano."_mz;
    try {
        std::rethrow_exception(failure);
    } catch (const MissingService&) {
        // The load failure report names the services the host lacks; nothing was started.
        return;
    } catch (const std::bad_alloc&) {
        text = "Błąd: brak pamięci! Operację wtyczki przerwano."_mz;
    } catch (...) {
    }
    try {
        // Through the service itself: the frame lies below the plug-in's typed service calls.
        Call<host::service::ShowMessage>(kMessageTitle, text, host::kPlainMessageStyle);
    } catch (...) {
        // Nothing more can be told than what the host could not show.
    }
}

}  // namespace klarvo::frame
