#pragma once
// klarvo-check on the Windows desktop: started from Explorer (a double-click, files or a folder
// dropped onto it, a shortcut), it has a console of its own that nobody reads. Then it lets that
// console go, shows what it has to say in a message box and opens its report in the browser.

#include <optional>

#include "check/check_command.h"

namespace klarvo::check {

// The desktop when the program was started from it: no console shared with the program that
// started it, and its output not sent to a file or a pipe; nothing when a console or a script
// reads the output. With KLARVO_DESKTOP_LOG naming a file, message boxes and pages opened are
// written to that file instead, as the tests' stand-in for a person at the desktop.
std::optional<Desktop> StartedFromDesktop();

}  // namespace klarvo::check
