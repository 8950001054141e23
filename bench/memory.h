#pragma once
// The process's resident memory, as Linux counts it. Windows keeps no peak that a program can
// start anew, so there the benchmark tells no memory figure (nullopt).

#include <cstdint>
#include <functional>
#include <optional>

namespace klarvo::bench {

// How far the work raised the resident set's peak over the resident set before it, in KiB.
std::optional<std::int64_t> PeakGrowthKiB(const std::function<void()>& work);

// The highest resident set of the process so far, in KiB.
std::optional<std::int64_t> PeakKiB();

}  // namespace klarvo::bench
