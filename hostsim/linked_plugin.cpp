#include "linked_plugin.h"

#include "host.h"
#include "plugin/linked_module.h"

namespace klarvo::sim {

void LinkedPlugin::Attach() {
    Host::Active().module.handle = plugin::LinkedModuleHandle();
    plugin::AttachLinkedModule(&ExportedService);
}

PluginEntries LinkedPlugin::Load() {
    Host::Active().module.handle = plugin::LinkedModuleHandle();
    const plugin::ModuleEntries entries = plugin::LoadLinkedModule(&ExportedService);
    return {entries.initialise, entries.registerOrReport, entries.unused30009, entries.unused30010};
}

void LinkedPlugin::Unload() { plugin::UnloadLinkedModule(); }

}  // namespace klarvo::sim
