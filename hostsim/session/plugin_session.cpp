#include "hostsim/session/plugin_session.h"

#include <cstring>
#include <vector>

namespace klarvo::sim {
namespace {

class Loaded {
public:
    explicit Loaded(PluginModule& module) : module_(module), entries_(module.Load()) {}
    ~Loaded() { module_.Unload(); }
    Loaded(const Loaded&) = delete;
    Loaded& operator=(const Loaded&) = delete;

    const host::ModuleEntries& Entries() const { return entries_; }

private:
    PluginModule& module_;
    host::ModuleEntries entries_;
};

}  // namespace

// A failure of the host inside an entry point ends the module's session; the host goes on.
ModuleStart StartModule(Host& host, const host::ModuleEntries& plugin) {
    const host::HostEntryFunction entry = reinterpret_cast<host::HostEntryFunction>(HostExport(host::kHostEntryOrdinal));
    std::vector<char> name(host::kDisplayNameRoom, '\0');
    int initialised = -1;
    if (!host.CallModule([&] { initialised = plugin.initialise(entry, name.data()); })) return ModuleStart::Refused;
    if (initialised != 0) {
        host.CallModule([&] { plugin.registerOrReport(1); });
        return ModuleStart::Refused;
    }
    host.Require(name.back() == '\0' && name[0] != '\0', "the module gave no display name that its buffer holds");
    host.module.displayName = name.data();
    if (!host.CallModule([&] { plugin.registerOrReport(0); })) return ModuleStart::Initialised;
    host.Require(host.module.registration != nullptr, "the module registered no command");
    return ModuleStart::Registered;
}

void WithdrawModule(Host& host, const host::ModuleEntries& plugin) {
    int withdrawn = -1;
    if (!host.CallModule([&] { withdrawn = plugin.initialise(nullptr, nullptr); })) return;
    host.Require(withdrawn == 0, "the module could not withdraw its command");
    host.Require(host.module.registration == nullptr, "the module's command was not withdrawn");
}

bool RunPluginSession(Host& host, PluginModule& module, const std::function<void(host::MenuCommand)>& user) {
    const Loaded loaded(module);
    const ModuleStart started = StartModule(host, loaded.Entries());
    if (started == ModuleStart::Refused) return false;
    if (started == ModuleStart::Registered) user(host.module.registration->command);
    WithdrawModule(host, loaded.Entries());
    return true;
}

}  // namespace klarvo::sim
