#pragma once
// Host state that a command borrows: the mode flags and zeroed memory blocks.

#include <cstdint>

#include "frame/service_call.h"

namespace klarvo::host {

inline bool ModeFlagSet(std::uint16_t flag) { return (Call<service::ModeFlags>() & flag) != 0; }
inline void SetModeFlag(std::uint16_t flag, bool set) {
    Call<service::SetModeFlags>(flag, set ? 1 : 0);
}

// A zeroed block of the host's memory; null when the host has none to give.
inline unsigned char* AllocateZeroedBlock(std::uint32_t size) {
    return static_cast<unsigned char*>(Call<service::AllocateBlock>(size, 1));
}
inline void FreeBlock(void* block) { Call<service::FreeBlock>(block); }

}  // namespace klarvo::host
