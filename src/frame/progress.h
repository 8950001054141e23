#pragma once
// The host's progress window.

#include <utility>

#include "frame/held.h"
#include "frame/service_call.h"

namespace klarvo::host {

inline constexpr int kProgressWindow = 856;

// The progress window, open from construction until Close, and closed on every way out.
class ProgressWindow {
public:
    ProgressWindow() {
        Call<service::OpenProgress>(kProgressWindow);
        open_ = true;
    }
    ~ProgressWindow() noexcept(false) { Close(); }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void Close() {
        if (std::exchange(open_, false)) frame::AskHostToTakeBack([] { Call<service::CloseProgress>(); });
    }

private:
    frame::Held held_{this, [](void* window) { static_cast<ProgressWindow*>(window)->Close(); }};
    bool open_ = false;
};

// Each sets one text and lets the host bring the window up to date.
inline void ShowProgressCaption(const char* caption) {
    Call<service::SetProgressTexts>(static_cast<const char*>(nullptr), caption);
    Call<service::RefreshProgress>();
}
inline void ShowProgressCounter(const char* counter) {
    Call<service::SetProgressTexts>(counter, static_cast<const char*>(nullptr));
    Call<service::RefreshProgress>();
}

}  // namespace klarvo::host
