#pragma once
// The host's part of an object derived from WDialogBase: made by the host when the object is
// made, and ended on every way out.

#include "src/host/dialog.h"
#include "src/services/host_object.h"

namespace klarvo::services {

class DialogBasePart {
public:
    // Has the host make its part of `object`, then puts the object's own virtual table in place
    // of the host's.
    DialogBasePart(host::WDialogBase* object, const void* const* virtualTable) {
        made_.Make<host::service::MakeDialogBase>(object);
        object->virtualTable = virtualTable;
    }

private:
    HostMade<host::WDialogBase, host::service::EndDialogBase> made_;
};

}  // namespace klarvo::services
