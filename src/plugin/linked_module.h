#pragma once
// The plug-in linked into the same program as its host (the native build and the tests): what
// loading Klarvo.dll does under Windows, over the platform stand-in, from a fresh load's state.

#include <cstdint>

#include "src/host/module_entries.h"

namespace klarvo::plugin {

// What the host exports under an ordinal, or null.
using HostExports = void (*(*)(std::uint16_t ordinal))();

// The module as the stand-in knows it: the handle the host sees.
host::ModuleHandle LinkedModuleHandle();

// The attach hook alone: every slot still unbound.
void AttachLinkedModule(HostExports host);

// The load, as the DLL's process attach runs it; the module's entry points.
host::ModuleEntries LoadLinkedModule(HostExports host);

// Disconnects the host.
void UnloadLinkedModule();

}  // namespace klarvo::plugin
