#pragma once
// The plug-in as the host loads it: a module whose entry points the host reaches by ordinal.

#include "src/host/module_entries.h"

namespace klarvo::sim {

class PluginModule {
public:
    virtual ~PluginModule() = default;
    // Loads the module into the active host (which runs its attach) and finds its entry points.
    virtual host::ModuleEntries Load() = 0;
    virtual void Unload() = 0;
};

}  // namespace klarvo::sim
