#include "host/tables.h"

namespace klarvo::host {

DocumentWalk::DocumentWalk()
    : started_(Call<service::StartWalk>(&walker_, 0, kSalesDocumentWalk, 0, 0, 0) != 0) {}

DocumentWalk::~DocumentWalk() {
    Call<service::EndWalk>(&walker_);
    Call<service::DestroyWalker>(&walker_);
}

bool DocumentWalk::Next() { return Call<service::StepWalk>(&walker_) == 1; }

}  // namespace klarvo::host
