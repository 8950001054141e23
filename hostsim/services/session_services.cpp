// The host's session: the settings file, the mode flags, memory blocks, and the services that
// the plug-in binds but has no use for.

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "hostsim/company/ini_store.h"
#include "hostsim/host.h"
#include "hostsim/services/exports.h"
#include "hostsim/text/formatting.h"
#include "src/host/services.h"
#include "src/host/stores.h"

namespace klarvo::sim {
namespace {

using namespace klarvo::host;

// ---- the settings file

std::int16_t SettingsValue(const char* file, int mode, const char* section, const char* key,
                           const char* format, va_list arguments) {
    const std::filesystem::path path = Host::Active().PathOf(file);
    if (mode == kReadSetting) {
        const auto stored = ReadIniValue(path, section, key);
        if (!stored) return 1;
        return std::vsscanf(stored->c_str(), format, arguments) >= 1 ? 0 : 1;
    }
    Host::Active().Require(mode == kWriteSetting, "a settings file used in mode " + std::to_string(mode));
    WriteIniValue(path, section, key, Format(format, arguments));
    return 0;
}

// ---- mode flags, memory blocks

std::uint16_t ModeFlags() { return Host::Active().session.modeFlags; }

void SetModeFlags(std::uint16_t mask, int set) {
    Host& host = Host::Active();
    if (set)
        host.session.modeFlags |= mask;
    else
        host.session.modeFlags &= static_cast<std::uint16_t>(~mask);
}

void* AllocateBlock(std::uint32_t size, int zeroed) {
    Host& host = Host::Active();
    host.Require(zeroed == 1, "a block asked for without zeroing");
    void* block = std::calloc(size, 1);
    if (block) host.session.blocks.insert(block);
    return block;
}

void FreeBlock(void* block) {
    Host& host = Host::Active();
    host.Require(host.session.blocks.erase(block) == 1, "a block released that was not allocated (released twice?)");
    std::free(block);
}

// ---- services that the plug-in binds but has no use for

template <std::uint16_t Number>
void UnusedService() {
    Host::Active().Violation("service " + std::to_string(Number) + " called, which the plug-in has no use for");
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
