#include "hostsim/session/failure_options.h"

#include "hostsim/faults/fault_raising.h"
#include "hostsim/session/command_options.h"

namespace klarvo::sim {
namespace {

// SERVICE[:CALL]: a service of the plug-in's list and a call from 1.
ThrowIn ThrowInAnswer(const std::string& named, const std::string& text) {
    const std::size_t colon = text.find(':');
    ThrowIn throwIn{ServiceAnswer(named, text.substr(0, colon)), 1};
    if (colon != std::string::npos) throwIn.call = NumberAnswer<int>(named, text.substr(colon + 1));
    if (throwIn.call < 1) Refuse(named, "counts calls from 1");
    return throwIn;
}

// A way this target's host can raise its failures in.
FailureWay WayAnswer(const std::string& named, const std::string& text) {
    std::string names;
    for (const FailureWayName& way : RaisableWays()) {
        if (text == way.name) return way.way;
        names += std::string(names.empty() ? "" : ", ") + way.name;
    }
    Refuse(named, "takes one of " + names + " (the ways this host raises its failures in), not " + Quoted(text));
}

const FailureKind kFailureKinds[] = {
    {"--throw-in", "throw-in", "--throw-in-command", "SERVICE[:CALL]",
     "the host's service SERVICE fails on its CALL-th call (default the first), raising the host's exception "
     "through the plug-in, also while an earlier failure passes (repeatable); exit code 4 when the plug-in gave "
     "back everything it held, 3 when not",
     "the next action that calls the plug-in: the service fails on its CALL-th call of that action",
     [](HostFailures& f, const std::string& named, const std::string& v) { f.throwIn.push_back(ThrowInAnswer(named, v)); }},
    {"--throw-in-command", nullptr, nullptr, "SERVICE[:CALL]",
     "the same, with the calls counted from the start of the user's command (repeatable)", nullptr,
     [](HostFailures& f, const std::string& named, const std::string& v) {
         f.throwInCommand.push_back(ThrowInAnswer(named, v));
     }},
    {"--full-disk", "full-disk", nullptr, "NAME",
     "every write to this output file fails, as on a full disk (repeatable)",
     "the next action that calls the plug-in: every write to the output file fails",
     [](HostFailures& f, const std::string& named, const std::string& v) { f.fullDisk.insert(OutputFileAnswer(named, v)); }},
    {"--unwritable", "unwritable", nullptr, "NAME",
     "the host cannot open this output file, as when another program holds it (repeatable)",
     "the next action that calls the plug-in: the host cannot open the output file",
     [](HostFailures& f, const std::string& named, const std::string& v) { f.unwritable.insert(OutputFileAnswer(named, v)); }},
    {"--host-failure", "host-failure", nullptr, "WAY",
     "how the host raises a failure of its services and catches it again: own (its own code, unwound with its "
     "record; the default), except (RaiseException under an __except frame, whose unwind passes no record), cxx (a "
     "C++ exception of the Microsoft compiler), longjmp (the Microsoft C runtime's longjmp to the host's setjmp); "
     "natively own (HostFault) and cxx (a std::runtime_error)",
     "the next action that calls the plug-in: how the host raises its failures (own, except, cxx, longjmp)",
     [](HostFailures& f, const std::string& named, const std::string& v) { f.hostFailure = WayAnswer(named, v); }},
};

}  // namespace

std::span<const FailureKind> FailureKinds() { return kFailureKinds; }

void AddFailureOptions(CLI::App& command, HostOptions& o) {
    for (const FailureKind& kind : kFailureKinds)
        command.add_option_function<std::vector<std::string>>(kind.option, [&o, &kind](const std::vector<std::string>& values) {
            for (const std::string& v : values) kind.note(o.failures, kind.option, v);
        }, kind.help)->group("Failures of the host and its disk")->type_name(kind.shape);
}

}  // namespace klarvo::sim
