#pragma once
// The host's progress window.

#include "host/services.h"

namespace klarvo::host {

inline constexpr int kProgressWindow = 856;

inline void OpenProgress() { Call<service::OpenProgress>(kProgressWindow); }
inline void CloseProgress() { Call<service::CloseProgress>(); }

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
