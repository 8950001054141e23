// The host's session: the settings file, the mode flags, memory blocks, and the services that
// the plug-in binds but has no use for.

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "exports.h"
#include "formatting.h"
#include "host.h"
#include "host/services.h"
#include "ini_store.h"

namespace klarvo::sim {
namespace {

using namespace klarvo::host;

Host& H() { return Host::Active(); }

// ---- the settings file

enum SettingsMode : int { kRead = 8, kWrite = 9 };

std::int16_t SettingsValue(const char* file, int mode, const char* section, const char* key,
                           const char* format, va_list arguments) {
    const std::filesystem::path path = H().PathOf(file);
    if (mode == kRead) {
        const auto stored = ReadIniValue(path, section, key);
        if (!stored) return 1;
        return std::vsscanf(stored->c_str(), format, arguments) >= 1 ? 0 : 1;
    }
    H().Require(mode == kWrite, "a settings file used in mode " + std::to_string(mode));
    WriteIniValue(path, section, key, Format(format, arguments));
    return 0;
}

// ---- mode flags, memory blocks

std::uint16_t ModeFlags() { return H().session.modeFlags; }

void SetModeFlags(std::uint16_t mask, int set) {
    if (set)
        H().session.modeFlags |= mask;
    else
        H().session.modeFlags &= static_cast<std::uint16_t>(~mask);
}

void* AllocateBlock(std::uint32_t size, int zeroed) {
    H().Require(zeroed == 1, "a block asked for without zeroing");
    void* block = std::calloc(size, 1);
    if (block) H().session.blocks.insert(block);
    return block;
}

void FreeBlock(void* block) {
    H().Require(H().session.blocks.erase(block) == 1, "a block released that was not allocated (released twice?)");
    std::free(block);
}

// ---- services that the plug-in binds but has no use for

template <std::uint16_t Number>
void UnusedService() {
    H().Violation("service " + std::to_string(Number) + " called, which the plug-in has no use for");
}

}  // namespace

ExportTable SessionServices() {
    return {
        Export<service::BoundUnused40008, &UnusedService<40008>>(),
        Export<service::BoundUnused41611, &UnusedService<41611>>(),
        Export<service::BoundUnused41613, &UnusedService<41613>>(),
        Export<service::BoundUnused30005, &UnusedService<30005>>(),
        Export<service::BoundUnused38417, &UnusedService<38417>>(),
        Export<service::BoundUnused52029, &UnusedService<52029>>(),
        Export<service::BoundUnused38511, &UnusedService<38511>>(),
        Export<service::BoundUnused52016, &UnusedService<52016>>(),
        Export<service::BoundUnused52015, &UnusedService<52015>>(),
        Export<service::BoundUnused37974, &UnusedService<37974>>(),
        Export<service::BoundUnused52466, &UnusedService<52466>>(),
        Export<service::SettingsValue, &SettingsValue>(),
        Export<service::ModeFlags, &ModeFlags>(),
        Export<service::SetModeFlags, &SetModeFlags>(),
        Export<service::AllocateBlock, &AllocateBlock>(),
        Export<service::FreeBlock, &FreeBlock>(),
    };
}

}  // namespace klarvo::sim
