#pragma once
// The host's failures as the module sees them: a service that fails raises the host's failure,
// which unwinds through the module back to the host's own frame around its call into the module.
// On Windows in any of the ways of a Microsoft-style compiler's program (FailureWay); where the
// module is linked into the same program, as a C++ exception: HostFault of the simulator's own, or
// for Cxx a std::runtime_error, neither of which the plug-in knows.

#include <functional>
#include <span>
#include <string>

#include "hostsim/faults/host_failures.h"

namespace klarvo::sim {

// Raises a failure of the host in `way`, which says `what` where it is caught natively.
[[noreturn]] void RaiseHostFault(FailureWay way, const std::string& what);

// A call of the host into the module inside the host's frame for failures of `way`; false when a
// failure of the host ended it.
bool CatchHostFault(FailureWay way, const std::function<void()>& call);

// Whether the exception in hand is a failure that the host raised: never on Windows, where no
// catch of the simulator's sees the host's failures.
bool RaisedByTheHost();

// The ways this target's host can raise a failure in, with their names for the command line.
struct FailureWayName {
    FailureWay way;
    const char* name;
};
std::span<const FailureWayName> RaisableWays();

}  // namespace klarvo::sim
