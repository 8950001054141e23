#pragma once
// The record by which a module hands its menu command to the host (service 52081). The host
// keeps its address for as long as the command stays registered.

#include <cstdint>

namespace klarvo::host {

using MenuCommand = int (*)();

struct CommandRegistration {
    std::uint32_t kind;      // 0x43080000
    const char* caption;     // as the menu shows it
    std::uint16_t number;    // the command number, also used to remove the command
    std::uint16_t reserved;  // 0
    MenuCommand command;
    std::uint32_t reserved2;  // 0
};
#if defined(__i386__)
static_assert(sizeof(CommandRegistration) == 20);
#endif

inline constexpr std::uint32_t kMenuCommandKind = 0x43080000;

// The number the host gives this module's menu command, and the host's notice dialog that tells the
// user a module's command was installed.
inline constexpr std::uint16_t kExportCommandNumber = 31028;
inline constexpr int kInstallNoticeDialog = 1668;

}  // namespace klarvo::host
