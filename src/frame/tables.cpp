#include "frame/tables.h"

#include <utility>

namespace klarvo::host {

DocumentWalk::DocumentWalk() {
    const bool started = Call<service::StartWalk>(&walker_, 0, kSalesDocumentWalk, 0, 0, 0) != 0;
    live_ = walking_ = true;
    started_ = started;
}

DocumentWalk::~DocumentWalk() noexcept(false) { End(); }

void DocumentWalk::End() {
    frame::TakingBack takingBack;
    if (std::exchange(walking_, false)) takingBack.Ask([this] { Call<service::EndWalk>(&walker_); });
    if (std::exchange(live_, false)) takingBack.Ask([this] { Call<service::DestroyWalker>(&walker_); });
    takingBack.Done();
}

bool DocumentWalk::Next() { return Call<service::StepWalk>(&walker_) == 1; }

}  // namespace klarvo::host
