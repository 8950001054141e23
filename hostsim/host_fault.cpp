#include "host_fault.h"

#include "host.h"
#include "host/host_fault.h"

#if defined(_WIN32)
#include <windows.h>

#include "host/exception_frame.h"
#endif

namespace klarvo::sim {

#if defined(_WIN32)
void RaiseHostFault() {
    Host::Active().RaisingFault(true);
    RaiseException(host::kHostFaultCode, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    __builtin_unreachable();
}

bool CatchHostFault(const std::function<void()>& call) {
    // The host's own frame around a call into the module: it takes the host's failures, unwinds
    // the frames above it and resumes here.
    const bool returned = host::CatchRaised(
        [](void* body) { (*static_cast<const std::function<void()>*>(body))(); }, const_cast<std::function<void()>*>(&call),
        [](unsigned long code) { return code == host::kHostFaultCode; }, nullptr);
    if (!returned) Host::Active().RaisingFault(false);
    return returned;
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
