#pragma once
// A callback object: built by the host in the plug-in's storage for one form call; its value is
// what the form-running services take.

#include "host/dialog.h"
#include "host/services.h"

namespace klarvo::host {

class CallbackObject {
public:
    CallbackObject(WDialogBase* owner, DataItem item) {
        Call<service::MakeCallback>(&storage_, owner, item);
    }
    ~CallbackObject() { Call<service::DestroyCallback>(&storage_); }
    CallbackObject(const CallbackObject&) = delete;
    CallbackObject& operator=(const CallbackObject&) = delete;

    // The second operation of the object's virtual table.
    int Value() {
        using Operation = int(KLARVO_THISCALL*)(CallbackStorage*);
        const auto* table = *reinterpret_cast<Operation* const*>(&storage_);
        return table[1](&storage_);
    }

private:
    CallbackStorage storage_;
};

}  // namespace klarvo::host
