#pragma once
// The host's posting-scheme buffer, as the host hands it out.

#include "src/frame/service_call.h"
#include "src/host/posting_scheme_buffer.h"

namespace klarvo::services {

// The first of the buffer's 14 entries; the same buffer on every call.
inline host::PostingSchemeEntry* PostingSchemeEntries() {
    return reinterpret_cast<host::PostingSchemeEntry*>(frame::Call<host::service::PostingSchemeBuffer>());
}

}  // namespace klarvo::services
