#pragma once
// What fails in the host or on its disk during a command, each field named after the option that
// sets it (hostsim/session/failure_options.cpp holds the one table of them), and how the host raises
// a failure of one of its services.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace klarvo::sim {

// How the host raises a failure of one of its services, and how its own frame around a call into
// the module catches it again. A host of a Microsoft-style compiler may fail in any of these ways.
enum class FailureWay {
    Own,      // the simulator's own code, unwound with its record
    Except,   // RaiseException with a code of the host's, under an __except frame whose unwind passes no record
    Cxx,      // a C++ exception of the Microsoft compiler (0xE06D7363), unwound with its record
    Longjmp,  // the Microsoft C runtime's longjmp back to the host's setjmp, across the module
};

// A service that fails on one of its calls, raising the host's failure.
struct ThrowIn {
    std::uint16_t service = 0;
    int call = 1;  // from 1
};

struct HostFailures {
    std::vector<ThrowIn> throwIn;         // calls counted from the host's start (in a day, the action's)
    std::vector<ThrowIn> throwInCommand;  // calls counted from the start of the user's command
    std::set<std::string> fullDisk;       // output files whose writes fail, as on a full disk
    std::set<std::string> unwritable;     // output files the host cannot open (another program holds them)
    FailureWay hostFailure = FailureWay::Own;
};

}  // namespace klarvo::sim
