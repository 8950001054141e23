#pragma once
// A user's session in the simulated host: the command line of morvel.

#include <string>
#include <vector>

namespace klarvo::sim {

// The plug-in's command as the host's menu reaches it.
using PluginCommand = int (*)();

// Runs morvel with its arguments (without the program name); returns the exit code.
int RunMorvel(const std::vector<std::string>& arguments, PluginCommand exportCommand);

}  // namespace klarvo::sim
