#include "hostsim/services/progress_window.h"

#include <chrono>
#include <cstdio>
#include <iostream>

#include "src/host/mazovia.h"

namespace klarvo::sim {
namespace {

long long NowMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// A counter belongs to the phase whose caption it was set under. Each line starts a new line of
// its own when its caption does.
void DrawProgress(Host& host, bool captionChanged, bool final) {
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

}  // namespace

void OpenProgressWindow(Host& host) {
    host.progress.open = true;
    host.progress.opened = NowMilliseconds();
    host.progress.caption.clear();
    host.progress.shownCaption.clear();
    host.progress.counter.clear();
}

void SetProgressWindowTexts(Host& host, const char* counter, const char* caption) {
    if (counter) host.progress.counter = counter;
    if (caption && host.progress.caption != caption) {
        host.progress.caption = caption;
        if (!counter) host.progress.counter.clear();
    }
}

void RefreshProgressWindow(Host& host) { DrawProgress(host, host.progress.caption != host.progress.shownCaption, false); }

void CloseProgressWindow(Host& host) {
    DrawProgress(host, false, true);
    host.progress.open = false;
}

}  // namespace klarvo::sim
