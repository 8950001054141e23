#pragma once
// Callback objects: built by the host in the plug-in's storage for one form call; their values
// are what the form-running services take.

#include <cstddef>

#include "src/frame/held.h"
#include "src/frame/service_call.h"
#include "src/host/dialog.h"

namespace klarvo::services {

// Count objects built in order and destroyed in reverse order, also when the building or the
// form call in between is left by an exception.
template <std::size_t Count>
class CallbackObjects {
public:
    CallbackObjects(host::WDialogBase* owner, host::DataItem item) {
        for (; built_.count < Count; ++built_.count) frame::Call<host::service::MakeCallback>(&built_.storage[built_.count], owner, item);
    }
    CallbackObjects(const CallbackObjects&) = delete;
    CallbackObjects& operator=(const CallbackObjects&) = delete;

    // The second operation of the object's virtual table.
    int Value(std::size_t index) {
        using Operation = int(KLARVO_THISCALL*)(host::CallbackStorage*);
        host::CallbackStorage* object = &built_.storage[index];
        const auto* table = *reinterpret_cast<Operation* const*>(object);
        return table[1](object);
    }

private:
    // A member, so that its destructor also runs when the constructor's body throws.
    struct Built {
        frame::Held held{this, [](void* built) { static_cast<Built*>(built)->DestroyAll(); }};
        host::CallbackStorage storage[Count];
        std::size_t count = 0;
        ~Built() noexcept(false) { DestroyAll(); }
        void DestroyAll() {
            frame::TakingBack takingBack;
            while (count > 0) {
                host::CallbackStorage* callback = &storage[--count];
                takingBack.Ask([callback] { frame::Call<host::service::DestroyCallback>(callback); });
            }
            takingBack.Done();
        }
    } built_;
};

}  // namespace klarvo::services
