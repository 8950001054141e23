// morvel: the host program with the plug-in linked in.

#include "linked_plugin.h"

int main(int argc, char** argv) { return klarvo::sim::RunMorvel({argv + 1, argv + argc}, klarvo::sim::LinkedPlugin()); }
