#pragma once
// The plug-in linked into the same program as the host: loading it runs its attach hook and its
// eager binding over the platform stand-in, as loading the DLL runs them under Windows.

#include "hostsim/session/entries_module.h"

namespace klarvo::sim {

class LinkedPlugin : public EntriesModule {
public:
    // The attach hook alone, as the DLL's attach runs it: every slot still unbound.
    void Attach();

private:
    host::ModuleEntries LoadEntries() override;
    void UnloadEntries() override;
};

}  // namespace klarvo::sim
