#include "src/frame/hold_link.h"

#include <exception>
#include <utility>

#include "src/frame/hosts_exception.h"

#if defined(_WIN32)
#include "src/host/exception_frame.h"
#endif

namespace klarvo::frame {
namespace {

// Everything runs on the host's thread, one call at a time.
HoldLink* g_top = nullptr;
int g_givingBack = 0;  // nested give-backs of unwindings under way

}  // namespace

HoldLink::HoldLink(void* holder, GiveBack giveBack) : holder_(holder), giveBack_(giveBack), below_(g_top) { g_top = this; }

HoldLink::~HoldLink() {
    HoldLink** link = &g_top;
    while (*link && *link != this) link = &(*link)->below_;
    if (*link) *link = below_;
}

#if defined(_WIN32)
namespace {

// Around a give-back. Every failure raised in a release is contained there, but a release can also
// leave by an unwind of its own, such as the host's longjmp back to its own frame: this frame then
// gives back the rest on that unwind's way. The system goes on past the frame whose unwinding asked
// for the give-back without calling it again, and the give-back cut short no longer counts.
struct GiveBackFrame : host::ExceptionRegistration {
    HoldMark* mark;
    int givingBack;  // the give-backs under way before this one

    static int __stdcall Handle(void* record, void* frame, void*, void*) noexcept {
        if (!host::IsUnwinding(record)) return host::kContinueSearch;
        const auto* self = static_cast<GiveBackFrame*>(static_cast<host::ExceptionRegistration*>(frame));
        try {
            GiveBackAbove(*self->mark);
        } catch (...) {
            // What could not be given back stays with the host, which is unwinding anyway.
        }
        g_givingBack = self->givingBack;
        return host::kContinueSearch;
    }
};

}  // namespace
#endif

HoldMark::HoldMark() : link_(nullptr, [](void*) {}) {}

void GiveBackAbove(HoldMark& mark) {
#if defined(_WIN32)
    GiveBackFrame frame{{nullptr, &GiveBackFrame::Handle}, &mark, g_givingBack};
    host::PushExceptionFrame(&frame);
#endif
    struct GivingBack {
        GivingBack() { ++g_givingBack; }
        ~GivingBack() { --g_givingBack; }
    } givingBack;
    while (g_top && g_top != &mark.link_) {
        HoldLink* held = std::exchange(g_top, g_top->below_);
        Contained(held->giveBack_, held->holder_);
    }
    if (g_top == &mark.link_) g_top = mark.link_.below_;
#if defined(_WIN32)
    host::PopExceptionFrame(&frame);
#endif
}

bool Unwinding() { return g_givingBack > 0 || std::uncaught_exceptions() > 0; }

void Contained(void (*call)(void* context), void* context) {
    // A failure of the host contained here is not the one on its way to the host.
    const HostsExceptionKept note;
    struct Attempt {
        void (*call)(void* context);
        void* context;
        HoldMark mark;  // what the call took before it failed lies above it

        void operator()() const {
            try {
                call(context);
            } catch (...) {
                // An exception of the plug-in's own, or natively the host's: the destructors on its
                // way gave back what the call took.
            }
        }
    } attempt{call, context, {}};
#if defined(_WIN32)
    // Every structured exception raised inside is taken: the host's failure of any kind, a crash.
    // What the call took goes back while the abandoned frames are still whole.
    host::CatchRaised(attempt, [&attempt] { GiveBackAbove(attempt.mark); }, [](unsigned long) { return true; });
#else
    attempt();
#endif
}

}  // namespace klarvo::frame
