// The host's windows: message boxes, and the progress window (progress_window.h).

#include <cstdarg>
#include <string>

#include "hostsim/host.h"
#include "hostsim/services/exports.h"
#include "hostsim/services/progress_window.h"
#include "hostsim/text/formatting.h"
#include "src/host/services.h"
#include "src/host/windows.h"

namespace klarvo::sim {
namespace {

using namespace klarvo::host;

// ---- message boxes

int ShowMessage(const char* title, const char* text, int style) {
    Host& host = Host::Active();
    host.Require(style == kPlainMessageStyle, "a message box with a style other than the plain one");
    host.ShowMessage(title, text, false);
    return 1;
}

int ShowFormattedMessage(int, const char* title, const char* format, int style, va_list arguments) {
    Host& host = Host::Active();
    host.Require(style == kPlainMessageStyle, "a message box with a style other than the plain one");
    host.ShowMessage(title, Format(format, arguments), true);
    return 1;
}

// ---- progress window

void OpenProgress(int window) {
    Host& host = Host::Active();
    host.Require(window == kProgressWindow, "the progress window opened as another window");
    host.Require(!host.progress.open, "the progress window opened twice");
    OpenProgressWindow(host);
}

void SetProgressTexts(const char* counter, const char* caption) {
    Host& host = Host::Active();
    host.Require(host.progress.open, "progress texts set with no progress window open");
    SetProgressWindowTexts(host, counter, caption);
}

int RefreshProgress() {
    Host& host = Host::Active();
    host.Require(host.progress.open, "the progress window refreshed while it is closed");
    RefreshProgressWindow(host);
    return 1;
}

void CloseProgress() {
    Host& host = Host::Active();
    host.Require(host.progress.open, "the progress window closed while it is closed");
    CloseProgressWindow(host);
}

}  // namespace

ExportTable WindowServices() {
    return {
        Export<service::ShowMessage, &ShowMessage>(),
        Export<service::ShowFormattedMessage, &ShowFormattedMessage>(),
        Export<service::OpenProgress, &OpenProgress>(),
        Export<service::SetProgressTexts, &SetProgressTexts>(),
        Export<service::RefreshProgress, &RefreshProgress>(),
        Export<service::CloseProgress, &CloseProgress>(),
    };
}

}  // namespace klarvo::sim
