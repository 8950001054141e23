#include "hostsim/faults/fault_raising.h"

#include "src/host/host_fault.h"

#if defined(_WIN32)
#include <windows.h>

#include "src/host/exception_frame.h"
#endif

namespace klarvo::sim {

#if defined(_WIN32)
void RaiseHostFault(const std::string&) {
    RaiseException(host::kHostFaultCode, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    __builtin_unreachable();
}

bool CatchHostFault(const std::function<void()>& call) {
    // The host's own frame around a call into the module: it takes the host's failures, unwinds
    // the frames above it and resumes here.
    return host::CatchRaised(
        [](void* body) { (*static_cast<const std::function<void()>*>(body))(); }, const_cast<std::function<void()>*>(&call),
        [](unsigned long code) { return code == host::kHostFaultCode; }, nullptr);
}
#else
void RaiseHostFault(const std::string& what) { throw host::HostFault(what); }

bool CatchHostFault(const std::function<void()>& call) {
    try {
        call();
        return true;
    } catch (const host::HostFault&) {
        return false;
    }
}
#endif

}  // namespace klarvo::sim
