#pragma once
// The host's windows as a module opens them: the message box, the stop window of the load
// failure report and the progress window, with the arguments the host expects of each.

namespace klarvo::host {

// The style of the plain message box (services 52028 and 35804).
inline constexpr int kPlainMessageStyle = 1;

// The stop window (service 35802): its number, buttons and style.
inline constexpr int kStopWindow = 15000;
inline constexpr int kStopButtons = 0xF001;
inline constexpr int kStopStyle = 0x6E2E;

// The progress window (service 52305).
inline constexpr int kProgressWindow = 856;

}  // namespace klarvo::host
