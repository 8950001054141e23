#include "frame/binding.h"

#include <cstdio>
#include <string>

#include "host/services.h"

extern "C" {
klarvo::frame::CodeAddress klarvo_service_slots[klarvo::host::kServiceCount] = {};
}

namespace klarvo::frame {
namespace {

bool g_bound[host::kServiceCount];
MissingServices g_missing;

}  // namespace

MissingService::MissingService(std::uint16_t missing)
    : std::runtime_error("the host does not provide service " + std::to_string(missing)),
      number(missing) {}

const MissingServices& Missing() { return g_missing; }

CodeAddress ResolveService(std::uint16_t number, CodeAddress* slot) {
    *slot = platform::HostExport(number);
    if (*slot) return *slot;
    if (g_missing.count < MissingServices::kRecorded) g_missing.numbers[g_missing.count] = number;
    ++g_missing.count;
    if (platform::DebuggerPresent()) {
        char line[1024];
        std::snprintf(line, sizeof line, "Brak funkcji o numerze %d\n", number);
        platform::DebugOutput(line);
    }
    return *slot;
}

CodeAddress BoundSlot(int index) {
    if (!g_bound[index]) {
        ResolveService(host::kServiceNumbers[index], &klarvo_service_slots[index]);
        g_bound[index] = true;
    }
    if (!klarvo_service_slots[index]) throw MissingService(host::kServiceNumbers[index]);
    return klarvo_service_slots[index];
}

void UnbindAll() {
    for (int i = 0; i < host::kServiceCount; ++i) {
        klarvo_service_slots[i] = nullptr;
        g_bound[i] = false;
    }
    g_missing = {};
}

}  // namespace klarvo::frame
