#pragma once
// Memory blocks that the host lends a command.

#include <cstdint>

#include "src/frame/service_call.h"

namespace klarvo::services {

// A zeroed block of the host's memory; null when the host has none to give.
inline unsigned char* AllocateZeroedBlock(std::uint32_t size) {
    return static_cast<unsigned char*>(frame::Call<host::service::AllocateBlock>(size, 1));
}
inline void FreeBlock(void* block) { frame::Call<host::service::FreeBlock>(block); }

}  // namespace klarvo::services
