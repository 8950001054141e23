// morvel: the host program with the plug-in linked in.

#include "export/export_object.h"
#include "session.h"

int main(int argc, char** argv) {
    return klarvo::sim::RunMorvel({argv + 1, argv + argc}, &klarvo::exporting::ExportCommand);
}
