#include "frame/held.h"

namespace klarvo::frame {
namespace {

// Everything runs on the host's thread, one call at a time.
Held* g_top = nullptr;

}  // namespace

Held::Held(void* holder, GiveBack giveBack) : holder_(holder), giveBack_(giveBack), below_(g_top) { g_top = this; }

Held::~Held() {
    Held** link = &g_top;
    while (*link && *link != this) link = &(*link)->below_;
    if (*link) *link = below_;
}

const Held* TopHeld() { return g_top; }

void GiveBackDownTo(const Held* mark) {
    while (g_top && g_top != mark) {
        Held* held = g_top;
        g_top = held->below_;
        held->giveBack_(held->holder_);
    }
}

}  // namespace klarvo::frame
