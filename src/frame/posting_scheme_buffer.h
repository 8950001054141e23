#pragma once
// The host's posting-scheme buffer, as the host hands it out.

#include "frame/service_call.h"
#include "host/posting_scheme_buffer.h"

namespace klarvo::host {

// The first of the buffer's 14 entries; the same buffer on every call.
inline PostingSchemeEntry* PostingSchemeEntries() {
    return reinterpret_cast<PostingSchemeEntry*>(Call<service::PostingSchemeBuffer>());
}

}  // namespace klarvo::host
