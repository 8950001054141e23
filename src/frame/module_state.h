#pragma once
// What the loaded module keeps for its whole life: its own handle and file name, the host's
// module and entry function. Set by the attach hook and the first entry point; never released.

#include <cstddef>

#include "frame/platform.h"
#include "host/module_entries.h"

namespace klarvo::frame {

// The caption of the plug-in's command, as the host's menu shows it.
inline constexpr char kDisplayName[] = "Eksport Teta (txt)";

using host::HostEntryFunction;

struct ModuleState {
    platform::ModuleHandle ownModule = nullptr;
    char filePath[300] = "";
    std::size_t fileNameStart = 0;  // where the last component of filePath starts
    platform::ModuleHandle hostModule = nullptr;
    HostEntryFunction hostEntry = nullptr;

    // The module's file name without its folder. Kept as a position, so that the state can be
    // copied and reset without pointing into another copy.
    const char* FileName() const { return filePath + fileNameStart; }
};

ModuleState& Module();

// The attach hook: the own module, its file name, and the host module "MORVEL" with its entry
// function (ordinal 30006), when that module is loaded and none was found before.
void AttachModule(platform::ModuleHandle ownModule);

// Forgets the host module, as a fresh load of the module would.
void DetachModule();

}  // namespace klarvo::frame
