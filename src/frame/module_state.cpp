#include "frame/module_state.h"

#include <cstring>

namespace klarvo::frame {

ModuleState& Module() {
    static ModuleState state;
    return state;
}

void AttachModule(platform::ModuleHandle ownModule) {
    ModuleState& state = Module();
    state.ownModule = ownModule;
    platform::ModuleFileName(ownModule, state.filePath, sizeof state.filePath);
    const char* slash = std::strrchr(state.filePath, '\\');
    if (const char* other = std::strrchr(state.filePath, '/'); other && (!slash || other > slash)) slash = other;
    state.fileNameStart = slash ? static_cast<std::size_t>(slash + 1 - state.filePath) : 0;
    if (state.hostModule) return;
    state.hostModule = platform::LoadedModule(host::kHostModuleName);
    if (state.hostModule)
        state.hostEntry = reinterpret_cast<HostEntryFunction>(platform::ModuleExport(state.hostModule, host::kHostEntryOrdinal));
}

void DetachModule() { Module() = ModuleState{}; }

}  // namespace klarvo::frame
