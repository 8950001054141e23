#include "frame/platform.h"

namespace klarvo::platform {
namespace {
ExportLookup g_linkedHost = nullptr;
}

CodeAddress HostExport(std::uint16_t ordinal) {
    return g_linkedHost ? g_linkedHost(ordinal) : nullptr;
}

void LinkHost(ExportLookup lookup) { g_linkedHost = lookup; }

// A linked-in host runs under no debugger of its own.
bool DebuggerPresent() { return false; }
void DebugOutput(const char*) {}

}  // namespace klarvo::platform
