#pragma once
// What the plug-in holds of the host's (a file, a walker, callback objects, memory, the mode
// flag) is given back on every way out: by its hold's destructor, and also when an exception of
// the host unwinds past the plug-in, which runs no destructor of ours. Every hold (hold.h) keeps
// a Held, which links it into the module's list while it lives. A release whose service failed
// counts as done, since the plug-in asked and could do nothing more; where a hold's destructor
// fails, the holds after it are still given back, and the first failure passes on.

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
    int givingBack_;  // the give-backs under way when it was made
};

// Gives back everything held above `mark`, the latest first, and takes it and `mark` off the
// list: what an exception of the host leaves behind when it unwinds the plug-in's frames.
void GiveBackAbove(Held& mark);

// Takes everything above `mark`, and `mark`, off the list without giving it back: what an
// exception other than the host's leaves when it unwinds the plug-in's frames. After a crash
// nothing is asked of the host; the list only must not point into the abandoned frames, and a
// give-back that the crash cut short no longer counts as under way.
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

}  // namespace klarvo::frame
