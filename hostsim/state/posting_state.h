#pragma once
// The state of the services behind the posting schemes: the posting-scheme buffer.

#include "src/host/posting_scheme_buffer.h"

namespace klarvo::sim {

struct Posting {
    host::PostingSchemeEntry schemeBuffer[host::kSchemeEntryCount] = {};
};

}  // namespace klarvo::sim
