#pragma once
// The plug-in linked into the simulator.

#include "session.h"

namespace klarvo::sim {

const Plugin& LinkedPlugin();

}  // namespace klarvo::sim
