#include "src/services/tables.h"

#include <utility>

namespace klarvo::services {

DocumentWalk::DocumentWalk() {
    const bool started = frame::Call<host::service::StartWalk>(&walker_, 0, host::kSalesDocumentWalk, 0, 0, 0) != 0;
    live_ = walking_ = true;
    started_ = started;
}

DocumentWalk::~DocumentWalk() noexcept(false) { End(); }

void DocumentWalk::End() {
    frame::TakingBack takingBack;
    if (std::exchange(walking_, false)) takingBack.Ask([this] { frame::Call<host::service::EndWalk>(&walker_); });
    if (std::exchange(live_, false)) takingBack.Ask([this] { frame::Call<host::service::DestroyWalker>(&walker_); });
    takingBack.Done();
}

bool DocumentWalk::Next() { return frame::Call<host::service::StepWalk>(&walker_) == 1; }

}  // namespace klarvo::services
