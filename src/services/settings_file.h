#pragma once
// One formatted value of a settings file that the host keeps (INI-style: file, section, key).

namespace klarvo::services {

// scanf-style read into the format's targets; true when the host read the value. A target
// that the host could not fill keeps what it held.
bool ReadSetting(const char* file, const char* section, const char* key, const char* format, ...);

// printf-style write of the value.
void WriteSetting(const char* file, const char* section, const char* key, const char* format, ...);

}  // namespace klarvo::services
