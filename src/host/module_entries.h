#pragma once
// How the host and a module it loads call each other at load: the module's entry points by
// ordinal, and the host's entry function (ordinal 30006 of the host module).

#include "host/types.h"

namespace klarvo::host {

// The host's entry function: two 32-bit integers, removed by the caller.
using HostEntryFunction = int (*)(int, int);

// 30001: initialise with the host's entry function and a buffer for the display name (at least
// 19 bytes), or withdraw with a null entry function. 0 or -1.
using InitialiseEntry = int(KLARVO_STDCALL*)(HostEntryFunction entry, char* displayName);
// 30008: non-zero shows the load failure report, 0 registers the module's command. Always 0.
using RegisterEntry = int(KLARVO_STDCALL*)(int report);
// 30009 and 30010.
using Reserved30009Entry = int(KLARVO_STDCALL*)();
using Reserved30010Entry = int(KLARVO_STDCALL*)(int unused);

// The host's main module, by the name under which a module finds it loaded, and the version of the
// host that these headers describe (service 51594 reports the running host's).
inline constexpr const char* kHostModuleName = "MORVEL";
inline constexpr int kHostVersion = 112;

inline constexpr std::uint16_t kInitialiseOrdinal = 30001;
inline constexpr std::uint16_t kRegisterOrdinal = 30008;
inline constexpr std::uint16_t kReserved30009Ordinal = 30009;
inline constexpr std::uint16_t kReserved30010Ordinal = 30010;
inline constexpr std::uint16_t kHostEntryOrdinal = 30006;

}  // namespace klarvo::host
