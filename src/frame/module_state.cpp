#include "src/frame/module_state.h"

#include <algorithm>
#include <cstring>

#include "src/frame/lazy_binders.h"
#include "src/host/services.h"

extern "C" {
klarvo::frame::CodeAddress klarvo_service_slots[klarvo::host::kServiceCount] = {KLARVO_STARTING_SLOTS};
}

namespace klarvo::frame {
namespace {

constexpr CodeAddress kStartingSlots[host::kServiceCount] = {KLARVO_STARTING_SLOTS};

}  // namespace

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
        state.hostEntry = reinterpret_cast<host::HostEntryFunction>(platform::ModuleExport(state.hostModule, host::kHostEntryOrdinal));
}

void ResetModule() {
    Module() = ModuleState{};
    std::copy(std::begin(kStartingSlots), std::end(kStartingSlots), klarvo_service_slots);
}

}  // namespace klarvo::frame
