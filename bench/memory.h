#pragma once
// The process's resident memory, as Linux counts it.

#include <cstdint>

namespace klarvo::bench {

// The resident set now, in KiB.
std::int64_t ResidentKiB();

// Starts a new peak from the resident set now.
void ResetPeak();

// The highest resident set since the last reset, in KiB.
std::int64_t PeakKiB();

}  // namespace klarvo::bench
