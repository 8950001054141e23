#include "hostsim/session/plugin_session.h"

#include <vector>

#include "src/host/module_entries.h"

namespace klarvo::sim {
namespace {

class Loaded {
public:
    explicit Loaded(PluginModule& module) : module_(module) { module.Load(); }
    ~Loaded() { module_.Unload(); }
    Loaded(const Loaded&) = delete;
    Loaded& operator=(const Loaded&) = delete;

private:
    PluginModule& module_;
};

}  // namespace

// A failure of the host inside an entry point ends the module's session; the host goes on.
ModuleStart StartModule(Host& host, PluginModule& module) {
    std::vector<char> name(host::kDisplayNameRoom, '\0');
    const std::optional<int> initialised = module.Initialise(name.data());
    if (!initialised) return ModuleStart::Refused;
    if (*initialised != 0) {
        module.RegisterOrReport(1);
        return ModuleStart::Refused;
    }
    host.Require(name.back() == '\0' && name[0] != '\0', "the module gave no display name that its buffer holds");
    host.module.displayName = name.data();
    if (!module.RegisterOrReport(0)) return ModuleStart::Initialised;
    host.Require(module.Registered(), "the module registered no command");
    return ModuleStart::Registered;
}

void WithdrawModule(Host& host, PluginModule& module) {
    const std::optional<int> withdrawn = module.Withdraw();
    if (!withdrawn) return;
    host.Require(*withdrawn == 0, "the module could not withdraw its command");
    host.Require(!module.Registered(), "the module's command was not withdrawn");
}

void RunModuleCommand(Host& host, PluginModule& module) {
    host.RunCommand([&module] { return module.RunCommand(); });
}

bool RunPluginSession(Host& host, PluginModule& module, const std::function<void()>& user) {
    const Loaded loaded(module);
    const ModuleStart started = StartModule(host, module);
    if (started == ModuleStart::Refused) return false;
    if (started == ModuleStart::Registered) user();
    WithdrawModule(host, module);
    return true;
}

}  // namespace klarvo::sim
