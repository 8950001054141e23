// Arbitrary bytes as the two Teta files: klarvo-check must read anything without failing, and
// find nothing wrong only in files that have their header lines.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "check/teta_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t half = size / 2;
    const klarvo::check::CheckResult result = klarvo::check::CheckTetaBytes(bytes.substr(0, half), bytes.substr(half));
    const bool headers = bytes.substr(0, half).starts_with("SP\xFE") && bytes.substr(half).starts_with("      \xA0");
    if (result.findings.FaultCount() == 0 && !headers) std::abort();
    return 0;
}
