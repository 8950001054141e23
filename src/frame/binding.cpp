#include "src/frame/binding.h"

#include <cstdio>
#include <string>

#include "src/host/services.h"

namespace klarvo::frame {

MissingService::MissingService(std::uint16_t missing)
    : std::runtime_error("the host does not provide service " + std::to_string(missing)),
      number(missing) {}

const MissingServices& Missing() { return Module().missing; }

CodeAddress ResolveService(std::uint16_t number, CodeAddress* slot) {
    *slot = platform::ModuleExport(Module().hostModule, number);
    if (*slot) return *slot;
    MissingServices& missing = Module().missing;
    if (missing.count < MissingServices::kRecorded) missing.numbers[missing.count] = number;
    ++missing.count;
    if (platform::DebuggerPresent()) {
        char line[1024];
        std::snprintf(line, sizeof line, "Brak funkcji o numerze %d\n", number);
        platform::DebugOutput(line);
    }
    return *slot;
}

void BindAllServices() {
    for (int i = 0; i < host::kServiceCount; ++i) ResolveService(host::kServiceNumbers[i], &klarvo_service_slots[i]);
}

void LoadModule(platform::ModuleHandle ownModule) {
    AttachModule(ownModule);
    BindAllServices();
}

void ThrowMissingService(int index) { throw MissingService(host::kServiceNumbers[index]); }

// Called by a lazy binder, with every register saved, for its own slot; returns where the
// interrupted call goes on. A service the host lacks fails the call as an unbound slot does: the
// exception unwinds through the binder's routine, whose unwind information describes it, to the
// plug-in's frame, and the host gets the failure result and goes on.
extern "C" CodeAddress klarvo_bind_slot(CodeAddress* slot) {
    const auto index = static_cast<int>(slot - klarvo_service_slots);
    if (CodeAddress target = ResolveService(host::kServiceNumbers[index], slot)) return target;
    ThrowMissingService(index);
}

}  // namespace klarvo::frame
