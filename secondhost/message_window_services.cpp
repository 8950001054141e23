// The host's windows: the plain message box (52028), the formatted one (35804), the stop window of
// a module's load failure report (35802), and the progress window (52228, 52233, 52234, 52230).
// Their texts are formatted by the C runtime; the simulator shows them.

#include "secondhost/host_interface.h"
#include "secondhost/host_runtime.h"
#include "secondhost/live_objects.h"
#include "secondhost/served_call.h"

namespace morvel {
namespace {

// Shows a text formatted whole, however long it is; `formatted` as the formatted message box
// shows it.
void ShowFormatted(ServiceCall& call, const char* title, const char* format, va_list arguments, int formatted) {
    va_list measure;
    va_copy(measure, arguments);
    const int length = FormatInto(nullptr, 0, format, measure);
    va_end(measure);
    if (!call.Require(length >= 0, "a message whose format the C runtime cannot write")) return;
    auto* text = static_cast<char*>(malloc(static_cast<size_t>(length) + 1));
    if (!text) {
        g_core->fail("no memory for a message of the host");
        call.Failed();
        return;
    }
    FormatInto(text, static_cast<size_t>(length) + 1, format, arguments);
    g_core->show_message(title, text, formatted);
    free(text);
}

}  // namespace
}  // namespace morvel

using namespace morvel;

extern "C" int ShowMessage(const char* title, const char* text, int style) {
    ServiceCall call = Serve<52028>();
    call.Require(style == kPlainMessage, "a message box with a style other than the plain one");
    g_core->show_message(title, text, 0);
    return call.Done(1);
}

extern "C" int ShowFormattedMessage(int window, const char* title, const char* format, int style, va_list arguments) {
    ServiceCall call = Serve<35804>();
    call.Require(window == 0 && style == kPlainMessage, "a formatted message box of another window or style");
    ShowFormatted(call, title, format, arguments, 1);
    return call.Done(1);
}

extern "C" int ShowStopMessage(int window, const char* title, const char* format, int buttons, int style, ...) {
    ServiceCall call = Serve<35802>();
    call.Require(window == kStopWindow && buttons == kStopButtons && style == kStopStyle,
                 "the stop window opened with another number, other buttons or another style");
    va_list arguments;
    va_start(arguments, style);
    ShowFormatted(call, title, format, arguments, 0);
    va_end(arguments);
    return call.Done(1);
}

extern "C" void OpenProgress(int window) {
    ServiceCall call = Serve<52228>();
    call.Require(window == kProgressWindow, "the progress window opened as another window");
    call.Require(!g_live.progressOpen, "the progress window opened twice");
    g_live.progressOpen = true;
    g_core->progress_opened();
    call.Done();
}

extern "C" void SetProgressTexts(const char* counter, const char* caption) {
    ServiceCall call = Serve<52233>();
    call.Require(g_live.progressOpen, "progress texts set with no progress window open");
    g_core->progress_texts(counter, caption);
    call.Done();
}

extern "C" int RefreshProgress() {
    ServiceCall call = Serve<52234>();
    call.Require(g_live.progressOpen, "the progress window refreshed while it is closed");
    g_core->progress_refreshed();
    return call.Done(1);
}

extern "C" void CloseProgress() {
    ServiceCall call = Serve<52230>();
    call.Require(g_live.progressOpen, "the progress window closed while it is closed");
    g_live.progressOpen = false;
    g_core->progress_closed();
    call.Done();
}
