#pragma once
// What the plug-in holds of the host's (a file, a walker, callback objects, memory, the mode
// flag) is given back on every way out: by its hold's destructor, and also when anything unwinds
// past the plug-in without running our destructors (on Windows, the host's failures of every
// kind, and a crash that the host catches). Every hold (hold.h) keeps a HoldLink, which links it
// into the module's list while it lives; a HoldMark on the list is where an unwinding gives back
// down to. A release whose service failed counts as done, since the
// plug-in asked and could do nothing more; where a hold's destructor fails, the holds after it
// are still given back, and the first failure passes on.

namespace klarvo::frame {

class HoldMark;

class HoldLink {
public:
    using GiveBack = void (*)(void* holder);

    // On top of the list. `giveBack` must do nothing for what the holder does not hold yet.
    HoldLink(void* holder, GiveBack giveBack);
    ~HoldLink();
    HoldLink(const HoldLink&) = delete;
    HoldLink& operator=(const HoldLink&) = delete;

private:
    friend void GiveBackAbove(HoldMark& mark);

    void* holder_;
    GiveBack giveBack_;
    HoldLink* below_;
};

// A link that gives back nothing: the place on the list that an unwinding gives back down to.
class HoldMark {
public:
    HoldMark();

private:
    friend void GiveBackAbove(HoldMark& mark);

    HoldLink link_;
};

// Gives back everything held above `mark`, the latest first, and takes it and `mark` off the
// list: what an unwind leaves behind when it passes the plug-in's frames. A release that fails or
// crashes goes no further than itself; one that leaves by an unwind of its own (the host's
// longjmp) has the rest given back on that unwind's way.
void GiveBackAbove(HoldMark& mark);

// Whether an exception is unwinding the plug-in's frames: a holder's destructor on its way, or
// the give-back of an unwinding.
bool Unwinding();

// Runs `call(context)`; whatever fails inside it (the host's failure of any kind, a crash, an
// exception of the plug-in's own) ends it there, what it took meanwhile is given back, and it
// goes no further.
void Contained(void (*call)(void* context), void* context);

// Asks the host to take something back. Its failure passes on as that of any other service,
// except while an exception unwinds the plug-in: a second one would end the host's program, and
// the first is on its way to the host already.
template <class Release>
void AskHostToTakeBack(Release release) {
    if (!Unwinding()) return release();
    Contained([](void* asked) { (*static_cast<Release*>(asked))(); }, &release);
}

}  // namespace klarvo::frame
