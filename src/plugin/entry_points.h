#pragma once
// The DLL's four entry points, exported by ordinal only (30001, 30008, 30009, 30010). Each
// removes its own arguments from the stack.

#include "src/host/module_entries.h"

extern "C" {

// 30001. With a host entry function: keeps it, copies the display name (19 bytes) into
// `displayName` when given, and runs the load checks: 0 or -1. With null: withdraws the
// command and returns 0.
int KLARVO_STDCALL klarvo_initialise(klarvo::host::HostEntryFunction entry, char* displayName);

// 30008. Non-zero: shows the load failure report. 0: registers the command and shows the
// install notice unless the user switched it off. Always 0.
int KLARVO_STDCALL klarvo_register_or_report(int report);

// 30009 and 30010: no function in this plug-in; 30010 answers host::kNoFunctionAnswer.
int KLARVO_STDCALL klarvo_unused_30009();
int KLARVO_STDCALL klarvo_unused_30010(int unused);

}
