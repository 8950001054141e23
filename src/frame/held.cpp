#include "src/frame/held.h"

#include <exception>
#include <utility>

#include "src/host/host_fault.h"

#if defined(_WIN32)
#include "src/host/exception_frame.h"
#endif

namespace klarvo::frame {
namespace {

// Everything runs on the host's thread, one call at a time.
Held* g_top = nullptr;
int g_givingBack = 0;  // nested give-backs of unwindings under way

}  // namespace

Held::Held(void* holder, GiveBack giveBack)
    : holder_(holder), giveBack_(giveBack), below_(g_top), givingBack_(g_givingBack) {
    g_top = this;
}

Held::Held() : Held(nullptr, [](void*) {}) {}

Held::~Held() {
    Held** link = &g_top;
    while (*link && *link != this) link = &(*link)->below_;
    if (*link) *link = below_;
}

#if defined(_WIN32)
namespace {

// Around a give-back: a crash in one of its releases (any exception but the host's failure, which
// that release's own attempt takes) cuts the whole give-back short. The system then unwinds past
// the frame whose unwinding asked for the give-back without calling it again, so this frame
// forgets what was held down to that frame's mark.
struct GiveBackFrame : host::ExceptionRegistration {
    Held* mark;

    static int __stdcall Handle(void* record, void* frame, void*, void*) noexcept {
        if (host::IsUnwinding(record) && static_cast<const host::ExceptionRecordHead*>(record)->code != host::kHostFaultCode)
            ForgetAbove(*static_cast<GiveBackFrame*>(static_cast<host::ExceptionRegistration*>(frame))->mark);
        return host::kContinueSearch;
    }
};

}  // namespace
#endif

void GiveBackAbove(Held& mark) {
    struct GivingBack {
        GivingBack() { ++g_givingBack; }
        ~GivingBack() { --g_givingBack; }
    } givingBack;
#if defined(_WIN32)
    GiveBackFrame frame{{nullptr, &GiveBackFrame::Handle}, &mark};
    host::PushExceptionFrame(&frame);
#endif
    while (g_top && g_top != &mark) {
        Held* held = std::exchange(g_top, g_top->below_);
        CatchingHostFault(held->giveBack_, held->holder_);
    }
    if (g_top == &mark) g_top = mark.below_;
#if defined(_WIN32)
    host::PopExceptionFrame(&frame);
#endif
}

void ForgetAbove(Held& mark) {
    Held* held = g_top;
    while (held && held != &mark) held = held->below_;
    if (held) g_top = mark.below_;
    // The crash passed the give-back's own end, which would have counted it off.
    g_givingBack = mark.givingBack_;
}

bool Unwinding() { return g_givingBack > 0 || std::uncaught_exceptions() > 0; }

#if defined(_WIN32)
void CatchingHostFault(void (*call)(void* context), void* context) {
    // What the call took before it failed lies above this mark, and goes back while the
    // abandoned frames are still whole. Only the host's own exception is taken: any other is a
    // crash, and goes on to whatever the host does with one.
    struct Attempt {
        void (*call)(void* context);
        void* context;
        Held mark;
    } attempt{call, context, {}};
    host::CatchRaised([](void* tried) {
            const Attempt* attempt = static_cast<Attempt*>(tried);
            attempt->call(attempt->context);
        },
        &attempt, [](unsigned long code) { return code == host::kHostFaultCode; },
        [](void* tried) { GiveBackAbove(static_cast<Attempt*>(tried)->mark); });
}
#else
void CatchingHostFault(void (*call)(void* context), void* context) {
    // The holders' destructors gave back what the call took before its failure came here.
    try {
        call(context);
    } catch (const host::HostFault&) {
    }
}
#endif

}  // namespace klarvo::frame
