#pragma once
// The host's life with the plug-in, as the host program runs it.

#include <functional>

#include "hostsim/host.h"
#include "hostsim/session/plugin_module.h"

namespace klarvo::sim {

enum class ModuleStart { Refused, Initialised, Registered };

// Initialises the loaded module (30001 with the host's entry function). When that succeeds,
// registers the command (30008 with 0); when the module refuses, asks for its load failure
// report (30008 with 1). Refused also when a failure of the host ended the initialisation;
// Initialised when one ended the registration.
ModuleStart StartModule(Host& host, PluginModule& module);

// Withdraws the command (30001 with null).
void WithdrawModule(Host& host, PluginModule& module);

// The user picks the module's command in the host's menu; the host then checks what it left
// behind.
void RunModuleCommand(Host& host, PluginModule& module);

// Loads the module and starts it; when it registered its command, lets the user work with it;
// when it was initialised, withdraws the command. Unloads the module on every way out. True
// when the module was initialised.
bool RunPluginSession(Host& host, PluginModule& module, const std::function<void()>& user);

}  // namespace klarvo::sim
