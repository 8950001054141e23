#include "frame/messages.h"

#include <cstdarg>

#include "host/mazovia.h"
#include "frame/service_call.h"

namespace klarvo::host {
namespace {
constexpr int kPlainStyle = 1;
const char* const kTitle = "Uwaga"_mz;
}  // namespace

void ShowMessage(const char* text) { Call<service::ShowMessage>(kTitle, text, kPlainStyle); }

void ShowFormattedMessage(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    struct End {
        va_list& arguments;
        ~End() { va_end(arguments); }
    } end{arguments};
    Bound<service::ShowFormattedMessage>()(0, kTitle, format, kPlainStyle, arguments);
}

}  // namespace klarvo::host
