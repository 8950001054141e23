#pragma once
// The host's mode flags, and the hold of one that a command keeps set while it runs.

#include <cstdint>

#include "src/frame/hold.h"
#include "src/frame/service_call.h"

namespace klarvo::services {

inline bool ModeFlagSet(std::uint16_t flag) { return (frame::Call<host::service::ModeFlags>() & flag) != 0; }
inline void SetModeFlag(std::uint16_t flag, bool set) {
    frame::Call<host::service::SetModeFlags>(flag, set ? 1 : 0);
}
inline void ClearModeFlag(std::uint16_t flag) { SetModeFlag(flag, false); }

// Holds a mode flag set from construction until Release when it was clear at the start; a flag
// that was set already is left as it is.
class ModeFlagHold {
public:
    explicit ModeFlagHold(std::uint16_t flag) {
        if (ModeFlagSet(flag)) return;
        // Taken first: clearing a flag that the host could not set leaves it as it was.
        set_.Take(flag);
        SetModeFlag(flag, true);
    }

    void Reset() { set_.Reset(); }

private:
    frame::Hold<std::uint16_t, ClearModeFlag> set_;
};

}  // namespace klarvo::services
