#pragma once
// The host's progress window.

#include "src/frame/hold.h"
#include "src/frame/service_call.h"
#include "src/host/windows.h"

namespace klarvo::services {

// The progress window, open from construction until Close, and closed on every way out.
class ProgressWindow {
public:
    ProgressWindow() {
        frame::Call<host::service::OpenProgress>(host::kProgressWindow);
        open_.Take();
    }

    void Close() { open_.Reset(); }

private:
    static void CloseWindow() { frame::Call<host::service::CloseProgress>(); }

    frame::Hold<frame::Nothing, CloseWindow> open_;
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
