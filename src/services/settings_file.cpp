#include "src/services/settings_file.h"

#include <cstdarg>

#include "src/frame/service_call.h"
#include "src/host/stores.h"

namespace klarvo::services {
namespace {

std::int16_t Transfer(host::SettingsMode mode, const char* file, const char* section, const char* key,
                      const char* format, va_list arguments) {
    return frame::Call<host::service::SettingsValue>(file, mode, section, key, format, arguments);
}

}  // namespace

bool ReadSetting(const char* file, const char* section, const char* key, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const std::int16_t status = Transfer(host::kReadSetting, file, section, key, format, arguments);
    va_end(arguments);
    return status == 0;
}

void WriteSetting(const char* file, const char* section, const char* key, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    Transfer(host::kWriteSetting, file, section, key, format, arguments);
    va_end(arguments);
}

}  // namespace klarvo::services
