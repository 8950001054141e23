#include "hostsim/faults/fault_raising.h"

#include <exception>
#include <stdexcept>
#include <vector>

#if defined(_WIN32)
#include <setjmp.h>
#include <windows.h>

#include "src/host/exception_frame.h"
#endif

namespace klarvo::sim {

#if defined(_WIN32)
namespace {

// The simulator's own code, and the one the host raises under its __except frame.
constexpr DWORD kOwnCode = 0xE04B4C56;
constexpr DWORD kExceptCode = 0xE0000100;
// What a throw of the Microsoft compiler raises: its code and the three parameters of its record
// (the magic number of its exception handling, the object and its type's description; the
// simulator throws no object of that compiler, so those two stay null).
constexpr DWORD kCxxCode = 0xE06D7363;
constexpr ULONG_PTR kCxxMagic = 0x19930520;

// The host's setjmp around the call into the module now under way.
jmp_buf* g_jump = nullptr;

constexpr FailureWayName kWays[] = {
    {FailureWay::Own, "own"}, {FailureWay::Except, "except"}, {FailureWay::Cxx, "cxx"}, {FailureWay::Longjmp, "longjmp"}};

}  // namespace

void RaiseHostFault(FailureWay way, const std::string&) {
    switch (way) {
        case FailureWay::Own:
            RaiseException(kOwnCode, EXCEPTION_NONCONTINUABLE, 0, nullptr);
            break;
        case FailureWay::Except:
            RaiseException(kExceptCode, EXCEPTION_NONCONTINUABLE, 0, nullptr);
            break;
        case FailureWay::Cxx: {
            const ULONG_PTR thrown[3] = {kCxxMagic, 0, 0};
            RaiseException(kCxxCode, EXCEPTION_NONCONTINUABLE, 3, thrown);
            break;
        }
        case FailureWay::Longjmp:
            longjmp(*g_jump, 1);
    }
    __builtin_unreachable();
}

bool CatchHostFault(FailureWay way, const std::function<void()>& call) {
    switch (way) {
        case FailureWay::Own:
            return host::CatchRaised(call, [](unsigned long code) { return code == kOwnCode; });
        case FailureWay::Except:
            // The frame's global unwind hands the frames above it no record: they see STATUS_UNWIND.
            return host::CatchRaised(call, [](unsigned long code) { return code == kExceptCode; },
                                     host::UnwindRecord::Withheld);
        case FailureWay::Cxx:
            return host::CatchRaised(call, [](unsigned long code) { return code == kCxxCode; });
        case FailureWay::Longjmp:
            break;
    }
    // The runtime's longjmp unwinds every frame above the one of setjmp's time, passing no record.
    jmp_buf jump;
    jmp_buf* const outer = g_jump;
    g_jump = &jump;
    if (setjmp(jump)) {
        g_jump = outer;
        return false;
    }
    call();
    g_jump = outer;
    return true;
}

bool RaisedByTheHost() { return false; }
#else
namespace {

class HostFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The failures raised since the host called into the module (a second one may come while the
// first unwinds it), told apart from the simulator's own exceptions by being these objects.
std::vector<std::exception_ptr> g_raised;

constexpr FailureWayName kWays[] = {{FailureWay::Own, "own"}, {FailureWay::Cxx, "cxx"}};

}  // namespace

void RaiseHostFault(FailureWay way, const std::string& what) {
    g_raised.push_back(way == FailureWay::Cxx ? std::make_exception_ptr(std::runtime_error(what))
                                              : std::make_exception_ptr(HostFault(what)));
    std::rethrow_exception(g_raised.back());
}

bool CatchHostFault(FailureWay, const std::function<void()>& call) {
    struct Forget {
        ~Forget() { g_raised.clear(); }
    } forget;
    try {
        call();
        return true;
    } catch (...) {
        if (!RaisedByTheHost()) throw;
    }
    return false;
}

bool RaisedByTheHost() {
    const std::exception_ptr inHand = std::current_exception();
    for (const std::exception_ptr& raised : g_raised)
        if (raised == inHand) return true;
    return false;
}
#endif

std::span<const FailureWayName> RaisableWays() { return kWays; }

}  // namespace klarvo::sim
