// MORVEL.dll's exports: every service number, and the host entry function 30006, lead to a
// stub that jumps to the simulated host's implementation. The data items are exported as
// themselves (see dialog_services.cpp).

#include "hostsim/host.h"
#include "hostsim/services/exports.h"
#include "src/host/assembler.h"
#include "src/host/module_entries.h"
#include "src/host/service_list.h"
#include "src/host/types.h"

#define KLARVO_EXPORT_STUB(number, name, type)                         \
    KLARVO_ASM_FUNCTION(klarvo_export_##number)                         \
    "    jmp *" KLARVO_ASM_SYMBOL(klarvo_target_##number) "\n"          \
    KLARVO_ASM_END                                                      \
    ".data\n"                                                           \
    ".globl " KLARVO_ASM_SYMBOL(klarvo_target_##number) "\n"            \
    KLARVO_ASM_SYMBOL(klarvo_target_##number) ": .long 0\n"             \
    ".text\n"
#define KLARVO_HOST_ENTRY(X) X(30006, HostEntry, void)

asm(".text\n" KLARVO_HOST_SERVICES(KLARVO_EXPORT_STUB) KLARVO_HOST_ENTRY(KLARVO_EXPORT_STUB));

#define KLARVO_DECLARE_TARGET(number, name, type) extern "C" klarvo::sim::CodeAddress klarvo_target_##number;
KLARVO_HOST_SERVICES(KLARVO_DECLARE_TARGET)
KLARVO_HOST_ENTRY(KLARVO_DECLARE_TARGET)

namespace {

// Points every stub at its implementation as the DLL is loaded.
struct Targets {
    Targets() {
#define KLARVO_SET_TARGET(number, name, type) klarvo_target_##number = klarvo::sim::HostExport(number);
        KLARVO_HOST_SERVICES(KLARVO_SET_TARGET)
        KLARVO_HOST_ENTRY(KLARVO_SET_TARGET)
    }
} g_targets;

}  // namespace
