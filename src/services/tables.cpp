#include "src/services/tables.h"

namespace klarvo::services {

DocumentWalk::DocumentWalk() {
    started_ = walker_.Make<host::service::StartWalk>(0, host::kSalesDocumentWalk, 0, 0, 0) != 0;
    walking_.Take(walker_.Get());
}

void DocumentWalk::EndWalk(host::WalkerStorage* walker) { frame::Call<host::service::EndWalk>(walker); }

bool DocumentWalk::Next() { return frame::Call<host::service::StepWalk>(walker_.Get()) == 1; }

}  // namespace klarvo::services
