#include "src/plugin/linked_module.h"

#include "src/frame/binding.h"
#include "src/frame/module_state.h"
#include "src/frame/platform_linked.h"
#include "src/plugin/entry_points.h"

namespace klarvo::plugin {
namespace {

// Another load of the module in the same program starts where the first one did.
void StartFreshLoad(HostExports host) {
    frame::ResetModule();
    frame::platform::LinkHost(host);
}

}  // namespace

host::ModuleHandle LinkedModuleHandle() { return frame::platform::LinkedPluginModule(); }

void AttachLinkedModule(HostExports host) {
    StartFreshLoad(host);
    frame::AttachModule(frame::platform::LinkedPluginModule());
}

host::ModuleEntries LoadLinkedModule(HostExports host) {
    StartFreshLoad(host);
    frame::LoadModule(frame::platform::LinkedPluginModule());
    return {&klarvo_initialise, &klarvo_register_or_report, &klarvo_unused_30009, &klarvo_unused_30010};
}

void UnloadLinkedModule() { frame::platform::LinkHost(nullptr); }

}  // namespace klarvo::plugin
