#include "frame/configuration.h"

#include <cstdarg>

#include "frame/service_call.h"

namespace klarvo::host {
namespace {

enum ConfigurationMode : int { kRead = 1, kWrite = 2 };

}  // namespace

bool ReadConfiguration(const char* section, const char* key, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const std::int16_t status = Call<service::ConfigValue>(kRead, section, key, format, arguments);
    va_end(arguments);
    return status == 0;
}

void WriteConfiguration(const char* section, const char* key, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    Call<service::ConfigValue>(kWrite, section, key, format, arguments);
    va_end(arguments);
}

}  // namespace klarvo::host
