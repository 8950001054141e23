#pragma once
// What the plug-in holds of the host's (a file, a walker, callback objects, memory, the mode
// flag) is given back on every way out: by its holder's destructor, and also when an exception
// of the host unwinds past the plug-in, which runs no destructor of ours. Every holder keeps a
// Held, which links it into the module's list while it lives.

namespace klarvo::frame {

class Held {
public:
    using GiveBack = void (*)(void* holder);

    // On top of the list. `giveBack` must do nothing for what the holder does not hold yet.
    Held(void* holder, GiveBack giveBack);
    ~Held();
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

private:
    friend void GiveBackDownTo(const Held* mark);

    void* holder_;
    GiveBack giveBack_;
    Held* below_;
};

// The top of the list, to be noted where the host calls in.
const Held* TopHeld();

// Gives back everything held above `mark`, the latest first, and takes it off the list: what an
// exception of the host leaves behind when it unwinds the plug-in's frames.
void GiveBackDownTo(const Held* mark);

}  // namespace klarvo::frame
