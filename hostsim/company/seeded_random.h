#pragma once
// Made-up data that is the same for the same seed on every platform.

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace klarvo::sim {

class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    // From 0 to count - 1.
    std::uint64_t Below(std::uint64_t count) { return engine_() % count; }
    bool Chance(int percent) { return Below(100) < static_cast<std::uint64_t>(percent); }
    template <class T>
    const T& Pick(const std::vector<T>& from) { return from[Below(from.size())]; }

private:
    std::mt19937_64 engine_;
};

}  // namespace klarvo::sim
