#include "frame/binding.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "frame/lazy_binders.h"
#include "frame/module_state.h"
#include "host/services.h"

extern "C" {
klarvo::frame::CodeAddress klarvo_service_slots[klarvo::host::kServiceCount] = {KLARVO_STARTING_SLOTS};
}

namespace klarvo::frame {
namespace {

constexpr CodeAddress kStartingSlots[host::kServiceCount] = {KLARVO_STARTING_SLOTS};
bool g_bound[host::kServiceCount];
MissingServices g_missing;

}  // namespace

MissingService::MissingService(std::uint16_t missing)
    : std::runtime_error("the host does not provide service " + std::to_string(missing)),
      number(missing) {}

const MissingServices& Missing() { return g_missing; }

CodeAddress ResolveService(std::uint16_t number, CodeAddress* slot) {
    *slot = platform::ModuleExport(Module().hostModule, number);
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

namespace {

void Bind(int index) {
    ResolveService(host::kServiceNumbers[index], &klarvo_service_slots[index]);
    g_bound[index] = true;
}

}  // namespace

void BindAllServices() {
    for (int i = 0; i < host::kServiceCount; ++i) Bind(i);
}

CodeAddress BoundSlot(int index) {
    if (!g_bound[index]) Bind(index);
    if (!klarvo_service_slots[index]) throw MissingService(host::kServiceNumbers[index]);
    return klarvo_service_slots[index];
}

void UnbindAll() {
    for (int i = 0; i < host::kServiceCount; ++i) {
        klarvo_service_slots[i] = kStartingSlots[i];
        g_bound[i] = false;
    }
    g_missing = {};
}

// Called by a lazy binder, with every register saved, for its own slot; returns where the
// interrupted call goes on.
extern "C" CodeAddress klarvo_bind_slot(CodeAddress* slot) {
    const auto index = static_cast<int>(slot - klarvo_service_slots);
    Bind(index);
    if (klarvo_service_slots[index]) return klarvo_service_slots[index];
    // The call cannot go on: there is no host function to carry it to.
    platform::DebugOutput("Klarvo: a host service was called that the host does not export\n");
    std::abort();
}

}  // namespace klarvo::frame
