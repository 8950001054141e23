#pragma once
// Callback objects: built by the host in the plug-in's storage for one form call; their values
// are what the form-running services take.

#include <cstddef>

#include "src/frame/hold.h"
#include "src/frame/service_call.h"
#include "src/host/dialog.h"

namespace klarvo::services {

// Count objects built in order and destroyed in reverse order, also when the building or the
// form call in between is left by an exception.
template <std::size_t Count>
class CallbackObjects {
public:
    CallbackObjects(host::WDialogBase* owner, host::DataItem item) {
        for (std::size_t i = 0; i < Count; ++i) {
            frame::Call<host::service::MakeCallback>(&storage_[i], owner, item);
            built_[i].Take(&storage_[i]);
        }
    }

    // The second operation of the object's virtual table.
    int Value(std::size_t index) {
        using Operation = int(KLARVO_THISCALL*)(host::CallbackStorage*);
        host::CallbackStorage* object = &storage_[index];
        const auto* table = *reinterpret_cast<Operation* const*>(object);
        return table[1](object);
    }

private:
    static void Destroy(host::CallbackStorage* callback) { frame::Call<host::service::DestroyCallback>(callback); }

    host::CallbackStorage storage_[Count];
    // Members, so that they also go back when the constructor's body throws; the last first.
    frame::Hold<host::CallbackStorage*, Destroy> built_[Count];
};

}  // namespace klarvo::services
