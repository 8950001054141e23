#pragma once
// printf-style formatting as the host's services do it.

#include <cstdarg>
#include <string>

namespace klarvo::sim {

std::string Format(const char* format, va_list arguments);

}  // namespace klarvo::sim
