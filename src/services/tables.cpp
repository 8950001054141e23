#include "src/services/tables.h"

namespace klarvo::services {

DocumentWalk::DocumentWalk() {
    started_ = frame::Call<host::service::StartWalk>(&walker_, 0, host::kSalesDocumentWalk, 0, 0, 0) != 0;
    live_.Take(&walker_);
    walking_.Take(&walker_);
}

void DocumentWalk::DestroyWalker(host::WalkerStorage* walker) { frame::Call<host::service::DestroyWalker>(walker); }

void DocumentWalk::EndWalk(host::WalkerStorage* walker) { frame::Call<host::service::EndWalk>(walker); }

bool DocumentWalk::Next() { return frame::Call<host::service::StepWalk>(&walker_) == 1; }

}  // namespace klarvo::services
