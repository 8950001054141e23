// morvel: the host program with the plug-in linked in.

#include "linked_plugin.h"
#include "session.h"

int main(int argc, char** argv) {
    klarvo::sim::LinkedPlugin plugin;
    return klarvo::sim::RunMorvel({argv + 1, argv + argc}, plugin);
}
