#pragma once
// The host's failures as the module sees them: a service that fails raises the host's
// exception, which unwinds through the module back to the host's call into the module. On
// Windows that is a structured exception, as a real host raises it; where the module is linked
// into the same program, a C++ exception (host::HostFault).

#include <functional>
#include <string>

namespace klarvo::sim {

// Raises a failure of the host, which says `what` where it is caught natively.
[[noreturn]] void RaiseHostFault(const std::string& what);

// A call of the host into the module; false when a failure of the host ended it.
bool CatchHostFault(const std::function<void()>& call);

}  // namespace klarvo::sim
