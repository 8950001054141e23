// The host program's side of the plug-in: Klarvo.dll loaded from the program's folder, its entry
// points found by ordinal and called, with its registered command, inside the host's own frame
// (failure_frames.h); and the program started on the simulator's machinery (morvel_core.dll beside
// it), which runs morvel's command line.

#include "hostsim/core/morvel_core.h"
#include "secondhost/failure_frames.h"
#include "secondhost/host_interface.h"
#include "secondhost/host_runtime.h"
#include "secondhost/host_state.h"
#include "secondhost/live_objects.h"
#include "secondhost/served_call.h"

extern "C" int HostEntry(int request, int features);

namespace morvel {

const MorvelCore* g_core = nullptr;

namespace {

HMODULE g_self = nullptr;
InitialiseEntry g_initialise = nullptr;
RegisterEntry g_register = nullptr;

// A file of the program's folder, where the host keeps its plug-ins and its parts.
void BesideProgram(const char* name, char* path, unsigned long room) {
    const unsigned long length = GetModuleFileNameA(nullptr, path, room);
    unsigned long folder = length;
    while (folder > 0 && path[folder - 1] != '\\' && path[folder - 1] != '/') --folder;
    CopyBounded(path + folder, room - folder, name);
}

const char* Ordinal(int ordinal) { return reinterpret_cast<const char*>(static_cast<uintptr_t>(ordinal)); }

// While the plug-in binds its services, the host exports none of those it is set to lack: their
// entries in this module's export address table are emptied for the load and put back afterwards.
class LackedExports {
public:
    LackedExports() {
        auto* base = reinterpret_cast<unsigned char*>(g_self);
        const uint32_t headers = Read(base + 0x3C);
        // The export directory: the first entry of the optional header's data directories.
        const unsigned char* exports = base + Read(base + headers + 0x78);
        const uint32_t first = Read(exports + 16), count = Read(exports + 20);
        auto* functions = reinterpret_cast<uint32_t*>(base + Read(exports + 28));
        for (const uint16_t number : kNumbers)
            if (number >= first && number - first < count && g_core->service_missing(number)) {
                uint32_t* slot = functions + (number - first);
                emptied_[count_] = {slot, *slot};
                ++count_;
                Write(slot, 0);
            }
    }
    ~LackedExports() {
        for (int i = 0; i < count_; ++i) Write(emptied_[i].slot, emptied_[i].value);
    }

private:
    static constexpr uint16_t kNumbers[] = {
#define MORVEL_EXPORT_NUMBER(number, symbol) number,
        MORVEL_EXPORTS(MORVEL_EXPORT_NUMBER)
#undef MORVEL_EXPORT_NUMBER
    };
    struct Emptied {
        uint32_t* slot;
        uint32_t value;
    };

    static uint32_t Read(const unsigned char* at) {
        uint32_t value;
        memcpy(&value, at, sizeof value);
        return value;
    }
    static void Write(uint32_t* slot, uint32_t value) {
        constexpr unsigned long kReadWrite = 0x04;
        unsigned long protection;
        VirtualProtect(slot, sizeof *slot, kReadWrite, &protection);
        *slot = value;
        VirtualProtect(slot, sizeof *slot, protection, &protection);
    }

    Emptied emptied_[sizeof kNumbers / sizeof kNumbers[0]];
    int count_ = 0;
};

int Load() {
    char path[520];
    BesideProgram("Klarvo.dll", path, sizeof path);
    HMODULE module;
    {
        const LackedExports lacked;
        module = LoadLibraryA(path);
    }
    if (!module) return 0;
    g_module.handle = module;
    g_initialise = reinterpret_cast<InitialiseEntry>(GetProcAddress(module, Ordinal(kInitialiseOrdinal)));
    g_register = reinterpret_cast<RegisterEntry>(GetProcAddress(module, Ordinal(kRegisterOrdinal)));
    return g_initialise && g_register ? 1 : 0;
}

void Unload() {
    if (g_module.handle) FreeLibrary(g_module.handle);
    g_module = {};
    g_initialise = nullptr;
    g_register = nullptr;
}

int Initialise(char* displayName, int* result) {
    auto call = [&] { *result = g_initialise(&HostEntry, displayName); };
    const int returned = CallInFrame(call);
    CopyBounded(g_module.displayName, sizeof g_module.displayName, displayName);
    return returned;
}

int Withdraw(int* result) {
    auto call = [&] { *result = g_initialise(nullptr, nullptr); };
    return CallInFrame(call);
}

int RegisterOrReport(int report) {
    auto call = [&] { g_register(report); };
    return CallInFrame(call);
}

int Registered() { return g_module.registration ? 1 : 0; }

int RunCommand() {
    auto call = [] { g_module.registration->command(); };
    return CallInFrame(call);
}

void BeginAction() { ForgetCurrentDocument(); }

int LeftHeldHere(char* what, int room) {
    const char* held = LeftHeld();
    if (!held) return 0;
    CopyBounded(what, static_cast<size_t>(room), held);
    return 1;
}

const MorvelHostProgram kProgram = {&Load,       &Unload,      &Initialise,  &Withdraw,    &RegisterOrReport,
                                    &Registered, &RunCommand, &BeginAction, &LeftHeldHere};

}  // namespace
}  // namespace morvel

using namespace morvel;

extern "C" int __stdcall DllEntry(HMODULE self, unsigned long, void*) {
    g_self = self;
    return 1;
}

// morvel's command line, run by the simulator's machinery over this host.
extern "C" __declspec(dllexport) int morvel_run_program(int argc, char** argv) {
    char path[520];
    BesideProgram("morvel_core.dll", path, sizeof path);
    HMODULE core = LoadLibraryA(path);
    const auto coreFunction = core ? reinterpret_cast<MorvelCoreFunction>(GetProcAddress(core, MORVEL_CORE_FUNCTION)) : nullptr;
    const auto mainFunction = core ? reinterpret_cast<MorvelMainFunction>(GetProcAddress(core, MORVEL_MAIN_FUNCTION)) : nullptr;
    if (!coreFunction || !mainFunction) {
        fputs("morvel: morvel_core.dll cannot be loaded from the program's folder\n", __acrt_iob_func(2));
        return 2;
    }
    g_core = coreFunction();
    return mainFunction(argc, argv, &kProgram);
}
