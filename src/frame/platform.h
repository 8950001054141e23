#pragma once
// What only a Windows DLL has: finding the host's exports and talking to a debugger. Where the
// host is linked into the same program (the native build and the tests), a stand-in answers.

#include <cstdint>

namespace klarvo::platform {

using CodeAddress = void (*)();
using ExportLookup = CodeAddress (*)(std::uint16_t ordinal);

// The address that the host module exports under an ordinal, or null.
CodeAddress HostExport(std::uint16_t ordinal);

// Connects the stand-in to a host that lives in this program.
void LinkHost(ExportLookup lookup);

bool DebuggerPresent();
void DebugOutput(const char* text);

}  // namespace klarvo::platform
