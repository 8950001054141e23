// The DLL's process attach: the attach hook, then the eager binding of every service slot, both
// before the host can call any entry point. Nothing runs at thread notifications or detach.

#include <windows.h>

#include "src/frame/binding.h"

namespace {

// The static thread runtime that the DLL carries cannot be unloaded cleanly: every load takes a
// TLS index, an event and a thread handle that no unload gives back, so a host that unloads and
// loads the plug-in again loses them each time and fails at the 1 087th load. Pinned, the DLL
// stays in the process once loaded: the host's FreeLibrary leaves it in place and a later
// LoadLibrary finds it there, with its state and its bound services, for the same host.
void PinOwnModule() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&PinOwnModule), &self);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        PinOwnModule();
        klarvo::frame::LoadModule(instance);
    }
    return TRUE;
}
