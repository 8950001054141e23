#include "frame/tables.h"

namespace klarvo::host {

DocumentWalk::DocumentWalk() {
    const bool started = Call<service::StartWalk>(&walker_, 0, kSalesDocumentWalk, 0, 0, 0) != 0;
    live_ = true;
    started_ = started;
}

DocumentWalk::~DocumentWalk() { End(); }

void DocumentWalk::End() {
    if (!live_) return;
    live_ = false;
    Call<service::EndWalk>(&walker_);
    Call<service::DestroyWalker>(&walker_);
}

bool DocumentWalk::Next() { return Call<service::StepWalk>(&walker_) == 1; }

}  // namespace klarvo::host
