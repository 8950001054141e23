#pragma once
// The service slots: one code address per host service, in slot order, bound by looking the
// service's number up in the host module. On i686 every slot starts at its lazy binder, which
// binds the slot on the first call through it and carries that call on; natively a slot starts
// empty and is bound on its first typed call.

#include <cstdint>
#include <stdexcept>

#include "frame/platform.h"
#include "host/service_list.h"

namespace klarvo::frame {

using platform::CodeAddress;

// The service slots, in slot order; assembly jumps through them by name (slot_offsets.h).
extern "C" CodeAddress klarvo_service_slots[];

// Thrown instead of calling a service that the host does not export.
class MissingService : public std::runtime_error {
public:
    explicit MissingService(std::uint16_t number);
    std::uint16_t number;
};

// Services the host lacked: how many lookups failed, and the first eight numbers in order.
struct MissingServices {
    static constexpr int kRecorded = 8;
    std::uint32_t count = 0;
    std::uint16_t numbers[kRecorded] = {};
};
const MissingServices& Missing();

// Looks a service up, stores the answer in the slot (also when null), records a missing one.
CodeAddress ResolveService(std::uint16_t number, CodeAddress* slot);

// Eager binding: every slot, in slot order.
void BindAllServices();

// The slot's target, binding it on first use. Throws MissingService for a null slot.
CodeAddress BoundSlot(int index);

// Puts every slot back to its start and forgets the missing services, as a fresh load would.
void UnbindAll();

}  // namespace klarvo::frame
