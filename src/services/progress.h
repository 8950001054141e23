#pragma once
// The host's progress window.

#include <utility>

#include "src/frame/held.h"
#include "src/frame/service_call.h"
#include "src/host/windows.h"

namespace klarvo::services {

// The progress window, open from construction until Close, and closed on every way out.
class ProgressWindow {
public:
    ProgressWindow() {
        frame::Call<host::service::OpenProgress>(host::kProgressWindow);
        open_ = true;
    }
    ~ProgressWindow() noexcept(false) { Close(); }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void Close() {
        if (std::exchange(open_, false)) frame::AskHostToTakeBack([] { frame::Call<host::service::CloseProgress>(); });
    }

private:
    frame::Held held_{this, [](void* window) { static_cast<ProgressWindow*>(window)->Close(); }};
    bool open_ = false;
};

// Each sets one text and lets the host bring the window up to date.
inline void ShowProgressCaption(const char* caption) {
    frame::Call<host::service::SetProgressTexts>(static_cast<const char*>(nullptr), caption);
    frame::Call<host::service::RefreshProgress>();
}
inline void ShowProgressCounter(const char* counter) {
    frame::Call<host::service::SetProgressTexts>(counter, static_cast<const char*>(nullptr));
    frame::Call<host::service::RefreshProgress>();
}

}  // namespace klarvo::services
