#include "hostsim/session/linked_plugin.h"

#include "hostsim/host.h"
#include "src/plugin/linked_module.h"

namespace klarvo::sim {

void LinkedPlugin::Attach() {
    Host::Active().module.handle = plugin::LinkedModuleHandle();
    plugin::AttachLinkedModule(&ExportedService);
}

host::ModuleEntries LinkedPlugin::Load() {
    Host::Active().module.handle = plugin::LinkedModuleHandle();
    return plugin::LoadLinkedModule(&ExportedService);
}

void LinkedPlugin::Unload() { plugin::UnloadLinkedModule(); }

}  // namespace klarvo::sim
