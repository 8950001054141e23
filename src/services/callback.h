#pragma once
// Callback objects: built by the host in the plug-in's storage for one form call; their values
// are what the form-running services take.

#include <cstddef>

#include "src/frame/service_call.h"
#include "src/host/dialog.h"
#include "src/services/host_object.h"

namespace klarvo::services {

// Count objects built in order and destroyed in reverse order, also when the building or the
// form call in between is left by an exception.
template <std::size_t Count>
class CallbackObjects {
public:
    CallbackObjects(host::WDialogBase* owner, host::DataItem item) {
        for (HostObject<host::CallbackStorage, host::service::DestroyCallback>& object : objects_)
            object.Make<host::service::MakeCallback>(owner, item);
    }

    // The second operation of the object's virtual table.
    int Value(std::size_t index) {
        using Operation = int(KLARVO_THISCALL*)(host::CallbackStorage*);
        host::CallbackStorage* object = objects_[index].Get();
        const auto* table = *reinterpret_cast<Operation* const*>(object);
        return table[1](object);
    }

private:
    // Members, so that they also go back when the constructor's body throws; the last first.
    HostObject<host::CallbackStorage, host::service::DestroyCallback> objects_[Count];
};

}  // namespace klarvo::services
