#pragma once
// What the plug-in holds of the host's (a file, a walker, callback objects, memory, the mode
// flag) is given back on every way out: by its holder's destructor, and also when an exception
// of the host unwinds past the plug-in, which runs no destructor of ours. Every holder keeps a
// Held, which links it into the module's list while it lives. A holder marks a thing as given
// back before it asks the host, so that nothing goes back twice: a release whose service failed
// counts as done, since the plug-in asked and could do nothing more.

#include <exception>
#include <utility>

#include "src/host/host_fault.h"

namespace klarvo::frame {

class Held {
public:
    using GiveBack = void (*)(void* holder);

    // On top of the list. `giveBack` must do nothing for what the holder does not hold yet.
    Held(void* holder, GiveBack giveBack);
    // A mark on the list that gives back nothing: the place an unwinding gives back down to.
    Held();
    ~Held();
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

private:
    friend void GiveBackAbove(Held& mark);
    friend void ForgetAbove(Held& mark);

    void* holder_;
    GiveBack giveBack_;
    Held* below_;
};

// Gives back everything held above `mark`, the latest first, and takes it and `mark` off the
// list: what an exception of the host leaves behind when it unwinds the plug-in's frames.
void GiveBackAbove(Held& mark);

// Takes everything above `mark`, and `mark`, off the list without giving it back: what an
// exception other than the host's leaves when it unwinds the plug-in's frames. After a crash
// nothing is asked of the host; the list only must not point into the abandoned frames.
void ForgetAbove(Held& mark);

// Whether an exception is unwinding the plug-in's frames: a holder's destructor on its way, or
// the give-back of an unwinding.
bool Unwinding();

// Runs `call(context)`; a failure of the host inside it ends it there (what it took meanwhile
// is given back) and goes no further.
void CatchingHostFault(void (*call)(void* context), void* context);

// Asks the host to take something back. Its failure passes on as that of any other service,
// except while an exception unwinds the plug-in: a second one would end the host's program, and
// the first is on its way to the host already.
template <class Release>
void AskHostToTakeBack(Release release) {
    if (!Unwinding()) return release();
    CatchingHostFault([](void* asked) { (*static_cast<Release*>(asked))(); }, &release);
}

// Gives back several things in turn, each marked as given back before it is asked: a failure of
// the host in one does not keep the later ones from being asked (on Windows the unwinding's
// give-back asks them), and the first failure passes on from Done once all were asked.
class TakingBack {
public:
    template <class Release>
    void Ask(Release release) {
#if defined(_WIN32)
        AskHostToTakeBack(release);
#else
        try {
            AskHostToTakeBack(release);
        } catch (const host::HostFault&) {
            if (!failure_) failure_ = std::current_exception();
        }
#endif
    }

    void Done() {
#if !defined(_WIN32)
        if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
#endif
    }

private:
#if !defined(_WIN32)
    std::exception_ptr failure_;
#endif
};

}  // namespace klarvo::frame
