#include <windows.h>

#include "src/frame/platform.h"

namespace klarvo::frame::platform {

ModuleHandle LoadedModule(const char* name) { return GetModuleHandleA(name); }

void ModuleFileName(ModuleHandle module, char* path, std::size_t size) {
    const DWORD length = GetModuleFileNameA(static_cast<HMODULE>(module), path, static_cast<DWORD>(size));
    path[length < size ? length : size - 1] = '\0';
}

CodeAddress ModuleExport(ModuleHandle module, std::uint16_t ordinal) {
    return reinterpret_cast<CodeAddress>(GetProcAddress(static_cast<HMODULE>(module), MAKEINTRESOURCEA(ordinal)));
}

bool DebuggerPresent() { return IsDebuggerPresent() != 0; }
void DebugOutput(const char* text) { OutputDebugStringA(text); }

}  // namespace klarvo::frame::platform
