#pragma once
// The plug-in as the real host loads it: Klarvo.dll, with LoadLibrary, its entry points by
// ordinal.

#include <string>

#include "hostsim/session/entries_module.h"

namespace klarvo::sim {

class PluginDll : public EntriesModule {
public:
    explicit PluginDll(std::string path);
    // Klarvo.dll in the folder of the running program, where the host program keeps its plug-ins.
    static PluginDll BesideProgram();

private:
    host::ModuleEntries LoadEntries() override;
    void UnloadEntries() override;

    std::string path_;
    void* module_ = nullptr;
};

}  // namespace klarvo::sim
