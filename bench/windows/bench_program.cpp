// The benchmark's MORVEL.dll runs klarvo_bench's command line, with the real Klarvo.dll from the
// folder of the program: the same host as morvel.exe's, with the benchmark in place of morvel.

#include "bench/bench_run.h"
#include "hostsim/windows/plugin_dll.h"

extern "C" int klarvo_run_program(int argc, char** argv) {
    klarvo::sim::PluginDll plugin = klarvo::sim::PluginDll::BesideProgram();
    return klarvo::bench::RunBench({argv + 1, argv + argc}, plugin);
}
