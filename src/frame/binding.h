#pragma once
// Binding the service slots (module_state.h): each service's number looked up in the host module,
// every slot when the module is loaded. On i686 a slot that a call reaches before it is bound
// binds itself through its lazy binder, which then carries the call on.

#include <cstdint>
#include <stdexcept>

#include "src/frame/module_state.h"

namespace klarvo::frame {

// Thrown instead of calling a service that the host does not export.
class MissingService : public std::runtime_error {
public:
    explicit MissingService(std::uint16_t number);
    std::uint16_t number;
};

const MissingServices& Missing();

// Looks a service up, stores the answer in the slot (also when null), records a missing one.
CodeAddress ResolveService(std::uint16_t number, CodeAddress* slot);

// Eager binding: every slot, in slot order.
void BindAllServices();

// What loading the module does before the host can call it: the attach hook, then the eager
// binding of every slot.
void LoadModule(platform::ModuleHandle ownModule);

[[noreturn]] void ThrowMissingService(int index);

// The slot's target. Throws MissingService for a service that the host lacked. Inline: every
// service call of the plug-in goes through it.
inline CodeAddress BoundSlot(int index) {
    if (!klarvo_service_slots[index]) ThrowMissingService(index);
    return klarvo_service_slots[index];
}

}  // namespace klarvo::frame
