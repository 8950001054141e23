#include "frame/settings_file.h"

#include <cstdarg>

#include "frame/service_call.h"

namespace klarvo::host {
namespace {

enum SettingsMode : int { kRead = 8, kWrite = 9 };

std::int16_t Transfer(SettingsMode mode, const char* file, const char* section, const char* key,
                      const char* format, va_list arguments) {
    return Bound<service::SettingsValue>()(file, mode, section, key, format, arguments);
}

}  // namespace

bool ReadSetting(const char* file, const char* section, const char* key, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const std::int16_t status = Transfer(kRead, file, section, key, format, arguments);
    va_end(arguments);
    return status == 0;
}

void WriteSetting(const char* file, const char* section, const char* key, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    Transfer(kWrite, file, section, key, format, arguments);
    va_end(arguments);
}

}  // namespace klarvo::host
