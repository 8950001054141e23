#pragma once
// The plug-in as the host loads it and calls it: its entry points and the command it registered,
// each call made inside the host's own frame around calls into the module.

#include <optional>

namespace klarvo::sim {

class PluginModule {
public:
    virtual ~PluginModule() = default;
    // Loads the module into the active host, which runs its attach; a module unloaded takes its
    // command with it.
    virtual void Load() = 0;
    virtual void Unload() = 0;

    // 30001 with the host's entry function and a buffer of the display name's room; nothing when a
    // failure of the host ended the call.
    virtual std::optional<int> Initialise(char* displayName) = 0;
    // 30001 with no entry function: the command withdrawn.
    virtual std::optional<int> Withdraw() = 0;
    // 30008: false when a failure of the host ended the call.
    virtual bool RegisterOrReport(int report) = 0;
    // Whether the module's command is registered with the host.
    virtual bool Registered() const = 0;
    // The registered command, as the host's menu runs it: false when a failure of the host ended it.
    virtual bool RunCommand() = 0;
};

}  // namespace klarvo::sim
