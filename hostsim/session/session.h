#pragma once
// A user's session in the simulated host: the command line of morvel.

#include <string>
#include <vector>

#include "hostsim/session/plugin_module.h"

namespace klarvo::sim {

// Runs morvel with its arguments (without the program name) and the plug-in it loads; returns
// the exit code.
int RunMorvel(const std::vector<std::string>& arguments, PluginModule& plugin);

}  // namespace klarvo::sim
