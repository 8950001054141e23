#pragma once
// The host's mode flags, and the hold of one that a command keeps set while it runs.

#include <cstdint>
#include <utility>

#include "src/frame/held.h"
#include "src/frame/service_call.h"

namespace klarvo::services {

inline bool ModeFlagSet(std::uint16_t flag) { return (frame::Call<host::service::ModeFlags>() & flag) != 0; }
inline void SetModeFlag(std::uint16_t flag, bool set) {
    frame::Call<host::service::SetModeFlags>(flag, set ? 1 : 0);
}

// Holds a mode flag set from construction until Release when it was clear at the start; a flag
// that was set already is left as it is.
class ModeFlagHold {
public:
    explicit ModeFlagHold(std::uint16_t flag) : flag_(flag) {
        if (ModeFlagSet(flag_)) return;
        // Marked first: clearing a flag that the host could not set leaves it as it was.
        setHere_ = true;
        try {
            SetModeFlag(flag_, true);
        } catch (...) {
            // A constructor that does not finish runs no destructor.
            Release();
            throw;
        }
    }
    ~ModeFlagHold() noexcept(false) { Release(); }
    ModeFlagHold(const ModeFlagHold&) = delete;
    ModeFlagHold& operator=(const ModeFlagHold&) = delete;

    void Release() {
        if (std::exchange(setHere_, false)) frame::AskHostToTakeBack([this] { SetModeFlag(flag_, false); });
    }

private:
    frame::Held held_{this, [](void* hold) { static_cast<ModeFlagHold*>(hold)->Release(); }};
    std::uint16_t flag_;
    bool setHere_ = false;
};

}  // namespace klarvo::services
