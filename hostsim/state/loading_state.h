#pragma once
// The state of the host's side of a module: the loaded module, the name it gave itself, its
// registered command, and the install notices shown.

#include <string>
#include <vector>

#include "src/host/command_registration.h"

namespace klarvo::sim {

struct LoadedModule {
    const void* handle = nullptr;
    std::string displayName;  // Mazovia; the caption its command must be registered under
    const host::CommandRegistration* registration = nullptr;
    std::vector<std::string> notices;  // UTF-8, the install notices shown
};

}  // namespace klarvo::sim
