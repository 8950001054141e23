#include "src/services/message_boxes.h"

#include <cstdarg>

#include "src/frame/message_title.h"
#include "src/frame/service_call.h"
#include "src/host/windows.h"

namespace klarvo::services {

void ShowMessage(const char* text) {
    frame::Call<host::service::ShowMessage>(frame::kMessageTitle, text, host::kPlainMessageStyle);
}

void ShowFormattedMessage(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    struct End {
        va_list& arguments;
        ~End() { va_end(arguments); }
    } end{arguments};
    frame::Call<host::service::ShowFormattedMessage>(0, frame::kMessageTitle, format, host::kPlainMessageStyle, arguments);
}

}  // namespace klarvo::services
