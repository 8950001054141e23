#include "linked_plugin.h"

#include "frame/binding.h"
#include "frame/entry_points.h"
#include "frame/load_checks.h"
#include "frame/module_state.h"
#include "frame/platform_linked.h"
#include "host.h"

namespace klarvo::sim {

void LinkedPlugin::Attach() {
    // What a fresh load of the DLL starts from.
    frame::DetachModule();
    frame::ForgetDeclarations();
    frame::UnbindAll();
    platform::LinkHost(&ExportedService);
    Host::Active().pluginModule = platform::LinkedPluginModule();
    frame::AttachModule(platform::LinkedPluginModule());
}

PluginEntries LinkedPlugin::Load() {
    Attach();
    frame::BindAllServices();
    return {&klarvo_initialise, &klarvo_register_or_report, &klarvo_ordinal_30009, &klarvo_ordinal_30010};
}

void LinkedPlugin::Unload() { platform::LinkHost(nullptr); }

}  // namespace klarvo::sim
