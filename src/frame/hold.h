#pragma once
// A hold on something of the host's: what the plug-in took (a file, a walker, a flag, a block of
// memory) and the call that gives it back, in the words of std::unique_ptr: Reset gives it back
// now, Release stops holding it and hands it to the caller. It goes back on every way out: by
// Reset, by the destructor, or by the give-back of an exception of the host, which runs no
// destructor of ours.
// It is marked as given back before the host is asked, so that nothing goes back twice.

#include <type_traits>
#include <utility>

#include "src/frame/hold_link.h"

namespace klarvo::frame {

// What a hold keeps when its give-back call takes no argument (the progress window).
struct Nothing {};

template <class Thing, auto GiveBack>
class Hold {
public:
    Hold() = default;
    ~Hold() noexcept(false) { Reset(); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

    // Holds `thing` from now on. A change whose undoing is harmless where it did not happen (a
    // mode flag) is held before the host is asked, so that a change the host made before it failed
    // is undone too; something the host makes (a file, a window, an object in our storage) is held
    // once the host has made it: a service that fails has made nothing, and the host takes back
    // only what it made.
    void Take(Thing thing = {}) {
        thing_ = thing;
        holding_ = true;
    }
    bool Holding() const { return holding_; }
    Thing Get() const { return thing_; }
    // Lets go of the thing without giving it back: whoever takes it holds it now.
    [[nodiscard]] Thing Release() {
        holding_ = false;
        return std::exchange(thing_, Thing{});
    }
    void Reset() {
        if (!holding_) return;
        const Thing thing = Release();
        if constexpr (std::is_same_v<Thing, Nothing>)
            AskHostToTakeBack([] { GiveBack(); });
        else
            AskHostToTakeBack([thing] { GiveBack(thing); });
    }

private:
    HoldLink link_{this, [](void* hold) { static_cast<Hold*>(hold)->Reset(); }};
    Thing thing_{};
    bool holding_ = false;
};

}  // namespace klarvo::frame
