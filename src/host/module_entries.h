#pragma once
// How the host and a module it loads call each other at load: the module's entry points by
// ordinal, and the host's entry function (ordinal 30006 of the host module).

#include <cstddef>

#include "src/host/types.h"

namespace klarvo::host {

// The host's entry function: two 32-bit integers, removed by the caller.
using HostEntryFunction = int (*)(int, int);

// 30001: initialise with the host's entry function and a buffer of kDisplayNameRoom bytes for
// the display name, or withdraw with a null entry function. 0 or -1.
using InitialiseEntry = int(KLARVO_STDCALL*)(HostEntryFunction entry, char* displayName);
inline constexpr std::size_t kDisplayNameRoom = 19;
// 30008: non-zero shows the load failure report, 0 registers the module's command. Always 0.
using RegisterEntry = int(KLARVO_STDCALL*)(int report);
// 30009 and 30010: no function of a module like this one; 30010 answers kNoFunctionAnswer.
using Unused30009Entry = int(KLARVO_STDCALL*)();
using Unused30010Entry = int(KLARVO_STDCALL*)(int unused);
inline constexpr int kNoFunctionAnswer = -1234567890;

// The host's main module, by the name under which a module finds it loaded, and the version of the
// host that these headers describe (service 51594 reports the running host's).
inline constexpr const char* kHostModuleName = "MORVEL";
inline constexpr int kHostVersion = 112;

// The module's entry points, the one list of them: ordinal, name in the code, the symbol's name,
// and the bytes of arguments the entry removes from the stack. The module exports each as
// klarvo_SYMBOL by ordinal alone (its klarvo.def is made from this list, and tools/check-package
// reads the ordinals here).
#define KLARVO_MODULE_ENTRIES(X)                           \
    X(30001, Initialise, initialise, 8)                    \
    X(30008, RegisterOrReport, register_or_report, 4)      \
    X(30009, Unused30009, unused_30009, 0)                 \
    X(30010, Unused30010, unused_30010, 4)

enum EntryOrdinal : std::uint16_t {
#define KLARVO_ENTRY_ORDINAL(ordinal, name, symbol, bytes) k##name##Ordinal = ordinal,
    KLARVO_MODULE_ENTRIES(KLARVO_ENTRY_ORDINAL)
#undef KLARVO_ENTRY_ORDINAL
};

inline constexpr std::uint16_t kHostEntryOrdinal = 30006;

// A loaded module's entry points, as the host finds them by ordinal.
struct ModuleEntries {
    InitialiseEntry initialise;
    RegisterEntry registerOrReport;
    Unused30009Entry unused30009;
    Unused30010Entry unused30010;
};

}  // namespace klarvo::host
