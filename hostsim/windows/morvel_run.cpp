// MORVEL.dll's own command line, which morvel.exe hands its arguments to: the host program
// loading the real Klarvo.dll from the folder of the program.

#include "hostsim/session/session.h"
#include "hostsim/windows/plugin_dll.h"

extern "C" int klarvo_run_program(int argc, char** argv) {
    klarvo::sim::PluginDll plugin = klarvo::sim::PluginDll::BesideProgram();
    return klarvo::sim::RunMorvel({argv + 1, argv + argc}, plugin);
}
