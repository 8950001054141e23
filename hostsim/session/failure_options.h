#pragma once
// The failures of the host and its disk that a session or a day's script can ask for, one row a
// kind: its option, its word in a day's script, what it takes and what it makes fail, and how its
// value is noted into HostFailures. Adding a failure touches this table and the service that
// honours it.

#include <span>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "hostsim/host.h"

namespace klarvo::sim {

struct FailureKind {
    const char* option;       // "--full-disk"; the field of HostFailures bears its name
    const char* scriptWord;   // the action of a day's script that sets it for the next action; null for none
    const char* freshOption;  // what a fresh session of the script word's failure is told, when not `option`
    const char* shape;        // of its value, for the help
    const char* help;         // what it makes fail
    const char* scriptHelp;   // the same, as a day's script says it for the next action
    // Reads a value into `failures`; a value it cannot take is refused naming `named`.
    void (*note)(HostFailures& failures, const std::string& named, const std::string& value);
};

std::span<const FailureKind> FailureKinds();

// A failure a day's script asks for the next action, as its line gave it.
struct AskedFailure {
    const FailureKind* kind;
    std::string value;

    void NoteInto(HostFailures& failures) const { kind->note(failures, kind->scriptWord, value); }
    // The same failure as the options of a fresh session of the action.
    std::vector<std::string> FreshArguments() const { return {kind->freshOption ? kind->freshOption : kind->option, value}; }
};

// Every kind's option, in its own group of the help.
void AddFailureOptions(CLI::App& command, HostOptions& options);

}  // namespace klarvo::sim
