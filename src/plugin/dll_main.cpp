// The DLL's process attach: the attach hook, then the eager binding of every service slot, both
// before the host can call any entry point. Nothing runs at thread notifications or detach.

#include <windows.h>

#include "frame/binding.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) klarvo::frame::LoadModule(instance);
    return TRUE;
}
