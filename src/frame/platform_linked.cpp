#include "src/frame/platform_linked.h"

#include <cstring>

#include "src/host/module_entries.h"

namespace klarvo::frame::platform {
namespace {

ExportLookup g_linkedHost = nullptr;
char g_hostModule;    // only their addresses serve as handles
char g_pluginModule;

}  // namespace

ModuleHandle LinkedPluginModule() { return &g_pluginModule; }

void LinkHost(ExportLookup lookup) { g_linkedHost = lookup; }

ModuleHandle LoadedModule(const char* name) {
    return g_linkedHost && std::strcmp(name, host::kHostModuleName) == 0 ? &g_hostModule : nullptr;
}

void ModuleFileName(ModuleHandle, char* path, std::size_t size) {
    std::strncpy(path, "Klarvo.dll", size - 1);
    path[size - 1] = '\0';
}

CodeAddress ModuleExport(ModuleHandle module, std::uint16_t ordinal) {
    return module == &g_hostModule && g_linkedHost ? g_linkedHost(ordinal) : nullptr;
}

// A linked-in host runs under no debugger of its own.
bool DebuggerPresent() { return false; }
void DebugOutput(const char*) {}

}  // namespace klarvo::frame::platform
