#pragma once
// The title of every message box that the plug-in shows, its reports of its own failures included.

#include "src/host/mazovia.h"

namespace klarvo::frame {

inline constexpr const char* kMessageTitle = "Uwaga"_mz;

}  // namespace klarvo::frame
