#include "hostsim/windows/plugin_dll.h"

#include <windows.h>

#include <map>
#include <stdexcept>

#include "hostsim/host.h"

namespace klarvo::sim {
namespace {

// The slots of MORVEL.dll's export address table, by ordinal.
DWORD* ExportSlot(HMODULE module, std::uint16_t ordinal) {
    auto* base = reinterpret_cast<unsigned char*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    const DWORD index = ordinal - exports->Base;
    if (index >= exports->NumberOfFunctions) return nullptr;
    return reinterpret_cast<DWORD*>(base + exports->AddressOfFunctions) + index;
}

// While the plug-in binds its services, the host exports none of those it is set to lack: their
// entries in the export table are emptied for the load and put back afterwards.
class LackedExports {
public:
    LackedExports() {
        const HMODULE host = GetModuleHandleA(host::kHostModuleName);
        for (const std::uint16_t number : Host::Active().Options().missingServices)
            if (DWORD* slot = ExportSlot(host, number)) {
                emptied_[slot] = *slot;
                Write(slot, 0);
            }
    }
    ~LackedExports() {
        for (const auto& [slot, value] : emptied_) Write(slot, value);
    }
    LackedExports(const LackedExports&) = delete;
    LackedExports& operator=(const LackedExports&) = delete;

private:
    static void Write(DWORD* slot, DWORD value) {
        DWORD protection;
        VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
        *slot = value;
        VirtualProtect(slot, sizeof *slot, protection, &protection);
    }

    std::map<DWORD*, DWORD> emptied_;
};

template <class Entry>
Entry Ordinal(HMODULE module, std::uint16_t ordinal) {
    const FARPROC address = GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
    if (!address) throw std::runtime_error("Klarvo.dll exports nothing under " + std::to_string(ordinal));
    return reinterpret_cast<Entry>(reinterpret_cast<void*>(address));
}

}  // namespace

PluginDll::PluginDll(std::string path) : path_(std::move(path)) {}

PluginDll PluginDll::BesideProgram() {
    char program[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string folder(program, length);
    folder.erase(folder.find_last_of("\\/") + 1);
    return PluginDll(folder + "Klarvo.dll");
}

host::ModuleEntries PluginDll::LoadEntries() {
    HMODULE module;
    {
        const LackedExports lacked;
        module = LoadLibraryA(path_.c_str());
    }
    if (!module) throw std::runtime_error(path_ + " cannot be loaded (error " + std::to_string(GetLastError()) + ")");
    module_ = module;
    Host::Active().module.handle = module;
    return {Ordinal<host::InitialiseEntry>(module, host::kInitialiseOrdinal),
            Ordinal<host::RegisterEntry>(module, host::kRegisterOrReportOrdinal),
            Ordinal<host::Unused30009Entry>(module, host::kUnused30009Ordinal),
            Ordinal<host::Unused30010Entry>(module, host::kUnused30010Ordinal)};
}

void PluginDll::UnloadEntries() {
    if (module_) FreeLibrary(static_cast<HMODULE>(module_));
    module_ = nullptr;
}

}  // namespace klarvo::sim
