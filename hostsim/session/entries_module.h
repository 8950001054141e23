#pragma once
// A module whose entry points the simulated host found by ordinal: each called inside the host's
// own frame for the failures of its way (fault_raising.h), the registered command as the host's
// menu runs it.

#include "hostsim/session/plugin_module.h"
#include "src/host/module_entries.h"

namespace klarvo::sim {

class EntriesModule : public PluginModule {
public:
    void Load() final;
    void Unload() final;
    std::optional<int> Initialise(char* displayName) final;
    std::optional<int> Withdraw() final;
    bool RegisterOrReport(int report) final;
    bool Registered() const final;
    bool RunCommand() final;

protected:
    // Loads the module and finds its entry points.
    virtual host::ModuleEntries LoadEntries() = 0;
    virtual void UnloadEntries() = 0;

private:
    host::ModuleEntries entries_{};
};

}  // namespace klarvo::sim
