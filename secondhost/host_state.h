#pragma once
// What this host keeps of the module it loaded beyond one service's call: the module's handle, the
// display name it gave, the command it registered; and the document the walk holds, forgotten as
// an action begins.

#include "secondhost/host_interface.h"
#include "secondhost/host_runtime.h"

namespace morvel {

struct ModuleSide {
    HMODULE handle = nullptr;
    char displayName[kDisplayNameRoom] = {};
    const CommandRegistration* registration = nullptr;
};

extern ModuleSide g_module;

void ForgetCurrentDocument();

}  // namespace morvel
