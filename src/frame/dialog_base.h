#pragma once
// The host's part of an object derived from WDialogBase: made and ended by the host, and the
// host's own operations on it, which the derived class's virtual table reaches through slots.

#include "frame/service_call.h"
#include "host/dialog.h"

namespace klarvo::host {

// The host calls its own operations on the object through the derived class's table, which
// jumps through their slots: they are bound before an object can be handed to the host.
inline void BindDialogOperations() {
    for (const std::uint16_t number : kDialogOperationServices)
        if (number != 0) frame::BoundSlot(SlotOf(number));
}

inline void MakeDialogBase(WDialogBase* dialog) { Call<service::MakeDialogBase>(dialog); }
inline void EndDialogBase(WDialogBase* dialog) { Call<service::EndDialogBase>(dialog); }

}  // namespace klarvo::host
