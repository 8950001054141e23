#pragma once
// What a user's action in the host came to, as morvel's exit code: for a session of its own and
// for each action of a day alike.

#include <optional>

#include "hostsim/host.h"

namespace klarvo::sim {

enum ExitCode : int { kDone = 0, kFailed = 1, kBadInput = 2, kContractBroken = 3, kFaultCleanedUp = 4 };

// A contract the module broke (3), or a failure of the host that passed through it (4 when made
// by a throw-in, 2 when a stored value could not be read), told on standard error; nothing when
// the calls into the module ended as they should. The strict host has checked by then that the
// module gave back all it held.
std::optional<int> BrokenOff(const Host& host);

// The export command: done when it reached its summary, or the user cancelled the form.
int ExportOutcome(const Host& host);

// The scheme editor's listing as the editor was left, printed; failed when the editor never opened.
int SchemeOutcome(const Host& host);

// The range form as it opened, printed; failed when it never opened.
int FormOutcome(const Host& host);

}  // namespace klarvo::sim
