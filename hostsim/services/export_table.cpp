// The table of the host's exports: every area's services under their numbers.

#include "hostsim/host.h"
#include "hostsim/services/exports.h"

namespace klarvo::sim {
namespace {

ExportTable AllExports() {
    ExportTable exports;
    for (ExportTable (*area)() : {&FileServices, &WindowServices, &DateServices, &TableServices, &SessionServices,
                                  &PostingServices, &DialogServices, &ModuleServices})
        AddExports(exports, area());
    return exports;
}

const ExportTable& Exports() {
    static const ExportTable exports = AllExports();
    return exports;
}

}  // namespace

CodeAddress HostExport(std::uint16_t number) {
    const auto found = Exports().find(number);
    return found == Exports().end() ? nullptr : found->second;
}

CodeAddress ExportedService(std::uint16_t number) {
    return Host::Active().Options().missingServices.count(number) ? nullptr : HostExport(number);
}

}  // namespace klarvo::sim
