#pragma once
// What only a Windows DLL has: the modules of the process, their exports and the debugger.
// In the DLL these are the Windows functions; where the host is linked into the same program
// (the native build and the tests), a stand-in answers.

#include <cstddef>
#include <cstdint>

namespace klarvo::frame::platform {

using CodeAddress = void (*)();
using ModuleHandle = void*;

// The module of that name loaded in the process, or null.
ModuleHandle LoadedModule(const char* name);

// The full path of the module's file, cut to the buffer and always ended.
void ModuleFileName(ModuleHandle module, char* path, std::size_t size);

// The address that the module exports under an ordinal, or null.
CodeAddress ModuleExport(ModuleHandle module, std::uint16_t ordinal);

bool DebuggerPresent();
void DebugOutput(const char* text);

}  // namespace klarvo::frame::platform
