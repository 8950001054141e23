#pragma once
// The host's part of an object derived from WDialogBase: made by the host when the object is
// made, and ended on every way out.

#include <utility>

#include "src/frame/held.h"
#include "src/frame/service_call.h"
#include "src/host/dialog.h"

namespace klarvo::services {

class DialogBasePart {
public:
    // Has the host make its part of `object`, then puts the object's own virtual table in place
    // of the host's.
    DialogBasePart(host::WDialogBase* object, const void* const* virtualTable) : object_(object) {
        frame::Call<host::service::MakeDialogBase>(object_);
        made_ = true;
        object_->virtualTable = virtualTable;
    }
    ~DialogBasePart() noexcept(false) { End(); }
    DialogBasePart(const DialogBasePart&) = delete;
    DialogBasePart& operator=(const DialogBasePart&) = delete;

private:
    void End() {
        if (std::exchange(made_, false))
            frame::AskHostToTakeBack([this] { frame::Call<host::service::EndDialogBase>(object_); });
    }

    frame::Held held_{this, [](void* part) { static_cast<DialogBasePart*>(part)->End(); }};
    host::WDialogBase* object_;
    bool made_ = false;
};

}  // namespace klarvo::services
