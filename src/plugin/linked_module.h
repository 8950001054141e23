#pragma once
// The plug-in linked into the same program as its host (the native build and the tests): what
// loading Klarvo.dll does under Windows, over the platform stand-in.

#include <cstdint>

#include "host/module_entries.h"

namespace klarvo::plugin {

// What the host exports under an ordinal, or null.
using HostExports = void (*(*)(std::uint16_t ordinal))();

struct ModuleEntries {
    host::InitialiseEntry initialise;
    host::RegisterEntry registerOrReport;
    host::Unused30009Entry unused30009;
    host::Unused30010Entry unused30010;
};

// The module as the stand-in knows it: the handle the host sees.
host::ModuleHandle LinkedModuleHandle();

// The attach hook alone, from a fresh load's state: every slot still unbound.
void AttachLinkedModule(HostExports host);

// Attach and eager binding, as the DLL's process attach; the module's entry points.
ModuleEntries LoadLinkedModule(HostExports host);

// Disconnects the host.
void UnloadLinkedModule();

}  // namespace klarvo::plugin
