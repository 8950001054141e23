#pragma once
// The host's side of this module: its acceptance and version at load, the stop window of the
// load failure report, the menu command and the install notice.

#include <cstdint>

#include "src/frame/service_call.h"
#include "src/host/command_registration.h"
#include "src/host/windows.h"

namespace klarvo::services {

// Whether the host accepts the module. With a buffer, a refusing host writes its reason into it.
inline bool HostAcceptsModule(host::ModuleHandle module) {
    return frame::Call<host::service::AcceptModule>(module, static_cast<char*>(nullptr), 0) == 0;
}
inline bool HostAcceptsModule(host::ModuleHandle module, char* reason, int reasonSize) {
    return frame::Call<host::service::AcceptModule>(module, reason, reasonSize) == 0;
}

// The version of the running host.
inline int HostVersion() { return frame::Call<host::service::HostVersion>(); }

// The host's stop window with a printf-style text; returns when the user has closed it.
template <class... Arguments>
void ShowStopMessage(const char* title, const char* format, Arguments... arguments) {
    frame::Call<host::service::ShowStopMessage>(host::kStopWindow, title, format, host::kStopButtons, host::kStopStyle,
                                                arguments...);
}

// The record stays the host's to read for as long as the command is registered.
inline void RegisterCommand(const host::CommandRegistration& registration) {
    frame::Call<host::service::RegisterCommand>(static_cast<const void*>(&registration));
}
inline void RemoveCommand(std::uint16_t number) { frame::Call<host::service::RemoveCommand>(static_cast<int>(number)); }

// The host's notice that a module's command was installed, with the text; the user's answer
// (whether to show it again) in and out through `answer`.
inline void ShowInstallNotice(const char* text, std::int32_t* answer) {
    frame::Call<host::service::RunHostDialog>(host::kInstallNoticeDialog, answer, 0, text);
}

}  // namespace klarvo::services
