#pragma once
// The simulated host's machinery as the table of functions that morvel_core.h offers a host
// program of another build.

#include "hostsim/core/morvel_core.h"
#include "src/host/posting_scheme_buffer.h"

namespace klarvo::sim {

const MorvelCore& CoreServices();

// A scheme entry of the program's editor in the simulator's own layout, its texts cut to their
// fields.
host::PostingSchemeEntry SchemeBufferEntry(const MorvelSchemeEntry& entry);

}  // namespace klarvo::sim
