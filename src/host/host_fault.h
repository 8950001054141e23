#pragma once
// How the host reports a failure of one of its services: it raises an exception that unwinds
// through the module's frames back to the host. A Windows host raises a structured exception
// with this code; a host linked into the same program as the module throws HostFault instead.
// Either way the module does not handle it: it gives back what it holds and lets it pass.

#include <cstdint>
#include <stdexcept>

namespace klarvo::host {

inline constexpr std::uint32_t kHostFaultCode = 0xE04B4C56;

class HostFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace klarvo::host
