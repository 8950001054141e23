#pragma once
// The course of one call of a service of this host: counted by the simulator's machinery behind
// it, failed when the host is set to fail it, and whatever went wrong raised as the host's failure
// in the way the host raises its failures (failures.h).

#include <stdint.h>

#include "hostsim/core/morvel_core.h"
#include "secondhost/host_exports.h"

namespace morvel {

// The simulator's machinery behind this host, set when the program starts.
extern const MorvelCore* g_core;

// Raises the failure noted last into the module, in the way this host raises its failures.
[[noreturn]] void RaiseHostFailure();

constexpr bool Exported(uint16_t number) {
    constexpr uint16_t kNumbers[] = {
#define MORVEL_EXPORTED_NUMBER(number, symbol) number,
        MORVEL_EXPORTS(MORVEL_EXPORTED_NUMBER)
#undef MORVEL_EXPORTED_NUMBER
    };
    for (const uint16_t exported : kNumbers)
        if (exported == number) return true;
    return false;
}

class ServiceCall {
public:
    // A service fails at once when the host is set to fail this call, also while an earlier
    // failure unwinds the module; a service that takes something back does its work first.
    explicit ServiceCall(uint16_t number) : entered_(g_core->enter_service(number)), noted_(g_core->noted()) {
        if (entered_ == MORVEL_FAIL_NOW) RaiseHostFailure();
    }

    // A contract the module must keep: when it broke one, the host's failure is raised, unless one
    // is on its way through the module already (then the service goes on as it can).
    bool Require(bool holds, const char* what) {
        if (!g_core->require(holds ? 1 : 0, what)) Failed();
        return holds;
    }

    // Whether the simulator noted a failure since the service began (raised unless one is on its
    // way already).
    bool Failed() {
        if (g_core->noted() == noted_) return false;
        if (!g_core->raising()) RaiseHostFailure();
        return true;
    }

    // The service's work is done: a release that the host is set to fail fails now.
    void Done() {
        if (entered_ == MORVEL_FAIL_ONCE_DONE) RaiseHostFailure();
        Failed();
    }
    template <class Result>
    Result Done(Result result) {
        Done();
        return result;
    }

private:
    int entered_;
    int noted_;
};

// A service's number, checked against the host's exports.
template <uint16_t Number>
ServiceCall Serve() {
    static_assert(Exported(Number), "a service that this host does not export");
    return ServiceCall(Number);
}

}  // namespace morvel
