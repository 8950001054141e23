// The host's windows: message boxes, and the progress window, drawn on standard error no more
// often than a person can read it.

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <iostream>
#include <string>

#include "exports.h"
#include "formatting.h"
#include "host.h"
#include "host/mazovia.h"
#include "host/services.h"

namespace klarvo::sim {
namespace {

using namespace klarvo::host;

Host& H() { return Host::Active(); }

// ---- message boxes

int ShowMessage(const char* title, const char* text, int style) {
    H().Require(style == 1, "a message box with a style other than 1");
    H().ShowMessage(title, text, false);
    return 1;
}

int ShowFormattedMessage(int, const char* title, const char* format, int style, va_list arguments) {
    H().Require(style == 1, "a message box with a style other than 1");
    H().ShowMessage(title, Format(format, arguments), true);
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
    Host& h = H();
    if (!h.Options().showProgress) return;
    const long long now = NowMilliseconds();
    if (!captionChanged && !final && now - h.progress.lastDraw < 250) return;
    h.progress.lastDraw = now;
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.1f s", static_cast<double>(now - h.progress.opened) / 1000.0);
    std::cerr << (captionChanged && !h.progress.shownCaption.empty() ? "\n" : "\r")
              << mazovia::ToUtf8(h.progress.caption) << " " << mazovia::ToUtf8(h.progress.counter) << " (" << elapsed
              << ")          " << (final ? "\n" : "") << std::flush;
    h.progress.shownCaption = h.progress.caption;
}

void OpenProgress(int window) {
    H().Require(window == 856, "the progress window opened as another window");
    H().Require(!H().progress.open, "the progress window opened twice");
    H().progress.open = true;
    H().progress.opened = NowMilliseconds();
    H().progress.caption.clear();
    H().progress.shownCaption.clear();
    H().progress.counter.clear();
}

void SetProgressTexts(const char* counter, const char* caption) {
    H().Require(H().progress.open, "progress texts set with no progress window open");
    if (counter) H().progress.counter = counter;
    if (caption && H().progress.caption != caption) {
        H().progress.caption = caption;
        if (!counter) H().progress.counter.clear();
    }
}

int RefreshProgress() {
    H().Require(H().progress.open, "the progress window refreshed while it is closed");
    DrawProgress(H().progress.caption != H().progress.shownCaption, false);
    return 1;
}

void CloseProgress() {
    H().Require(H().progress.open, "the progress window closed while it is closed");
    DrawProgress(false, true);
    H().progress.open = false;
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
