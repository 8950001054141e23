#include "bench/memory.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace klarvo::bench {

#if defined(__linux__)
namespace {

std::int64_t StatusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field + ":")) return std::stoll(line.substr(field.size() + 1));
    throw std::runtime_error("/proc/self/status has no " + field);
}

}  // namespace

std::optional<std::int64_t> PeakGrowthKiB(const std::function<void()>& work) {
    const std::int64_t before = StatusKiB("VmRSS");
    std::ofstream clear("/proc/self/clear_refs");
    if (!(clear << "5")) throw std::runtime_error("/proc/self/clear_refs cannot reset the peak");
    clear.close();
    work();
    return StatusKiB("VmHWM") - before;
}

std::optional<std::int64_t> PeakKiB() { return StatusKiB("VmHWM"); }
#else
std::optional<std::int64_t> PeakGrowthKiB(const std::function<void()>& work) {
    work();
    return std::nullopt;
}

std::optional<std::int64_t> PeakKiB() { return std::nullopt; }
#endif

}  // namespace klarvo::bench
