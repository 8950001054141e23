// morvel: the host program with the plug-in linked in.

#include "hostsim/session/linked_plugin.h"
#include "hostsim/session/session.h"

int main(int argc, char** argv) {
    klarvo::sim::LinkedPlugin plugin;
    return klarvo::sim::RunMorvel({argv + 1, argv + argc}, plugin);
}
