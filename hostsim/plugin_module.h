#pragma once
// The plug-in as the host loads it: a module whose entry points the host reaches by ordinal.

#include "host/module_entries.h"

namespace klarvo::sim {

struct PluginEntries {
    host::InitialiseEntry initialise;
    host::RegisterEntry registerOrReport;
    host::Unused30009Entry unused30009;
    host::Unused30010Entry unused30010;
};

class PluginModule {
public:
    virtual ~PluginModule() = default;
    // Loads the module into the active host (which runs its attach) and finds its entry points.
    virtual PluginEntries Load() = 0;
    virtual void Unload() = 0;
};

}  // namespace klarvo::sim
