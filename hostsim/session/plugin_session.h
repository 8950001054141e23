#pragma once
// The host's life with the plug-in, as the host program runs it.

#include <functional>

#include "hostsim/host.h"
#include "hostsim/session/plugin_module.h"

namespace klarvo::sim {

// Loads the module and initialises it (30001 with the host's entry function). When that
// succeeds: registers the command (30008 with 0), lets the user work with the registered
// command, and withdraws it (30001 with null). When it fails: asks for the load failure report
// (30008 with 1). Unloads the module on every way out. True when the module was initialised.
bool RunPluginSession(Host& host, PluginModule& module, const std::function<void(host::MenuCommand)>& user);

}  // namespace klarvo::sim
