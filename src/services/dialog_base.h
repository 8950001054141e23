#pragma once
// The host's part of an object derived from WDialogBase: made by the host when the object is
// made, and ended on every way out.

#include "src/frame/hold.h"
#include "src/frame/service_call.h"
#include "src/host/dialog.h"

namespace klarvo::services {

class DialogBasePart {
public:
    // Has the host make its part of `object`, then puts the object's own virtual table in place
    // of the host's.
    DialogBasePart(host::WDialogBase* object, const void* const* virtualTable) {
        frame::Call<host::service::MakeDialogBase>(object);
        made_.Take(object);
        object->virtualTable = virtualTable;
    }

private:
    static void End(host::WDialogBase* object) { frame::Call<host::service::EndDialogBase>(object); }

    frame::Hold<host::WDialogBase*, End> made_;
};

}  // namespace klarvo::services
