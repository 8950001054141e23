// The host's windows: message boxes, and the progress window, drawn on standard error no more
// often than a person can read it.

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <iostream>
#include <string>

#include "hostsim/host.h"
#include "hostsim/services/exports.h"
#include "hostsim/text/formatting.h"
#include "src/host/mazovia.h"
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

// ---- progress window, drawn on standard error no more often than a person can read it

long long NowMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// A new caption is drawn at once, so that every phase is seen; a counter belongs to the phase
// whose caption it was set under. Each line starts a new line of its own when its caption does.
void DrawProgress(bool captionChanged, bool final) {
    Host& host = Host::Active();

    if (!host.Options().showProgress) return;
    const long long now = NowMilliseconds();
    if (!captionChanged && !final && now - host.progress.lastDraw < 250) return;
    host.progress.lastDraw = now;
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.1f s", static_cast<double>(now - host.progress.opened) / 1000.0);
    std::cerr << (captionChanged && !host.progress.shownCaption.empty() ? "\n" : "\r")
              << mazovia::ToUtf8(host.progress.caption) << " " << mazovia::ToUtf8(host.progress.counter) << " (" << elapsed
              << ")          " << (final ? "\n" : "") << std::flush;
    host.progress.shownCaption = host.progress.caption;
}

void OpenProgress(int window) {
    Host& host = Host::Active();
    host.Require(window == kProgressWindow, "the progress window opened as another window");
    host.Require(!host.progress.open, "the progress window opened twice");
    host.progress.open = true;
    host.progress.opened = NowMilliseconds();
    host.progress.caption.clear();
    host.progress.shownCaption.clear();
    host.progress.counter.clear();
}

void SetProgressTexts(const char* counter, const char* caption) {
    Host& host = Host::Active();
    host.Require(host.progress.open, "progress texts set with no progress window open");
    if (counter) host.progress.counter = counter;
    if (caption && host.progress.caption != caption) {
        host.progress.caption = caption;
        if (!counter) host.progress.counter.clear();
    }
}

int RefreshProgress() {
    Host& host = Host::Active();
    host.Require(host.progress.open, "the progress window refreshed while it is closed");
    DrawProgress(host.progress.caption != host.progress.shownCaption, false);
    return 1;
}

void CloseProgress() {
    Host& host = Host::Active();
    host.Require(host.progress.open, "the progress window closed while it is closed");
    DrawProgress(false, true);
    host.progress.open = false;
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
