// klarvo_bench natively: the plug-in linked into the program with the simulated host.

#include "bench/bench_run.h"
#include "hostsim/session/linked_plugin.h"

int main(int argc, char** argv) {
    klarvo::sim::LinkedPlugin plugin;
    return klarvo::bench::RunBench({argv + 1, argv + argc}, plugin);
}
