#include "hostsim/session/linked_plugin.h"

#include "hostsim/host.h"
#include "src/plugin/linked_module.h"

namespace klarvo::sim {

void LinkedPlugin::Attach() {
    Host::Active().module.handle = plugin::LinkedModuleHandle();
    plugin::AttachLinkedModule(&ExportedService);
}

host::ModuleEntries LinkedPlugin::LoadEntries() {
    Host::Active().module.handle = plugin::LinkedModuleHandle();
    return plugin::LoadLinkedModule(&ExportedService);
}

void LinkedPlugin::UnloadEntries() { plugin::UnloadLinkedModule(); }

}  // namespace klarvo::sim
