#include "src/services/configuration.h"

#include <cstdarg>

#include "src/frame/service_call.h"
#include "src/host/stores.h"

namespace klarvo::services {

bool ReadConfiguration(const char* section, const char* key, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const std::int16_t status = frame::Call<host::service::ConfigValue>(host::kReadConfiguration, section, key, format, arguments);
    va_end(arguments);
    return status == 0;
}

void WriteConfiguration(const char* section, const char* key, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    frame::Call<host::service::ConfigValue>(host::kWriteConfiguration, section, key, format, arguments);
    va_end(arguments);
}

}  // namespace klarvo::services
