#pragma once
// The host's own configuration (sections and keys that the host keeps for its modules).

namespace klarvo::services {

// scanf-style read of a stored value into the format's targets; true when the host read it.
bool ReadConfiguration(const char* section, const char* key, const char* format, ...);

// printf-style write of the value.
void WriteConfiguration(const char* section, const char* key, const char* format, ...);

}  // namespace klarvo::services
