#include "memory.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace klarvo::bench {
namespace {

std::int64_t StatusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field + ":")) return std::stoll(line.substr(field.size() + 1));
    throw std::runtime_error("/proc/self/status has no " + field);
}

}  // namespace

std::int64_t ResidentKiB() { return StatusKiB("VmRSS"); }

void ResetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    if (!(clear << "5")) throw std::runtime_error("/proc/self/clear_refs cannot reset the peak");
}

std::int64_t PeakKiB() { return StatusKiB("VmHWM"); }

}  // namespace klarvo::bench
