#pragma once
// What fails in the host or on its disk during a command, each field named after the option that
// sets it (hostsim/session/failure_options.cpp holds the one table of them).

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace klarvo::sim {

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
};

}  // namespace klarvo::sim
