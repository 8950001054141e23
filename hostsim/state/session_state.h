#pragma once
// The state of the host's session: its mode flags and the memory blocks it lent. Blocks not
// given back when the host ends are freed.

#include <cstdint>
#include <cstdlib>
#include <set>

namespace klarvo::sim {

struct Session {
    std::uint16_t modeFlags = 0;
    std::set<void*> blocks;

    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session() {
        for (void* block : blocks) std::free(block);
    }
};

}  // namespace klarvo::sim
