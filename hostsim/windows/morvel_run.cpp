// MORVEL.dll's own command line, which morvel.exe hands its arguments to: the host program
// loading the real Klarvo.dll from the folder of the program.

#include <windows.h>

#include "plugin_dll.h"
#include "hostsim/session/session.h"

extern "C" int klarvo_run_morvel(int argc, char** argv) {
    char program[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string folder(program, length);
    folder.erase(folder.find_last_of("\\/") + 1);
    klarvo::sim::PluginDll plugin(folder + "Klarvo.dll");
    return klarvo::sim::RunMorvel({argv + 1, argv + argc}, plugin);
}
