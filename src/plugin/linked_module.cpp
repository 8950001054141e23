#include "plugin/linked_module.h"

#include "frame/binding.h"
#include "frame/load_checks.h"
#include "frame/module_state.h"
#include "frame/platform_linked.h"
#include "plugin/entry_points.h"

namespace klarvo::plugin {

host::ModuleHandle LinkedModuleHandle() { return platform::LinkedPluginModule(); }

void AttachLinkedModule(HostExports host) {
    frame::DetachModule();
    frame::ForgetDeclarations();
    frame::UnbindAll();
    platform::LinkHost(host);
    frame::AttachModule(platform::LinkedPluginModule());
}

ModuleEntries LoadLinkedModule(HostExports host) {
    AttachLinkedModule(host);
    frame::BindAllServices();
    return {&klarvo_initialise, &klarvo_register_or_report, &klarvo_unused_30009, &klarvo_unused_30010};
}

void UnloadLinkedModule() { platform::LinkHost(nullptr); }

}  // namespace klarvo::plugin
