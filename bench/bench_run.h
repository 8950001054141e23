#pragma once
// klarvo_bench's command line, run with the plug-in module that the program loads: linked into
// the native program, Klarvo.dll in the Windows one.

#include <string>
#include <vector>

#include "hostsim/session/plugin_module.h"

namespace klarvo::bench {

// Runs klarvo_bench with its arguments (without the program name); returns the exit code.
int RunBench(const std::vector<std::string>& arguments, sim::PluginModule& plugin);

}  // namespace klarvo::bench
