// The host's side of loading a module: acceptance, version, the load failure report's window,
// the menu command, the install notice dialog and the host's entry function.

#include <cstring>
#include <iostream>

#include "exports.h"
#include "formatting.h"
#include "host.h"
#include "host/mazovia.h"
#include "host/module_entries.h"
#include "host/services.h"

namespace klarvo::sim {
namespace {

using namespace klarvo::host;

Host& H() { return Host::Active(); }

// Non-zero when the host refuses the module; the reason goes into the buffer when one is given.
int AcceptModule(ModuleHandle plugin, char* reason, int reasonSize) {
    H().Require(plugin == H().module.handle, "the acceptance of a module that the host did not load");
    const auto& rejection = H().Options().rejection;
    if (!rejection) return 0;
    if (reason && reasonSize > 0) {
        const std::string text = mazovia::FromUtf8(*rejection);
        const std::size_t length = std::min(text.size(), static_cast<std::size_t>(reasonSize) - 1);
        std::memcpy(reason, text.data(), length);
        reason[length] = '\0';
    }
    return 1;
}

int HostVersion() { return H().Options().version; }

int ShowStopMessage(int window, const char* title, const char* format, int buttons, int style, ...) {
    va_list arguments;
    va_start(arguments, style);
    const std::string text = Format(format, arguments);
    va_end(arguments);
    return Serve(service::ShowStopMessage::kNumber, [&] {
        H().Require(window == 15000 && buttons == 0xF001 && style == 0x6E2E,
                    "the message window opened with other values than 15000, 0xF001 and 0x6E2E");
        H().ShowMessage(title, text, false);
        return 1;
    });
}

void RegisterCommand(const void* record) {
    const auto* registration = static_cast<const CommandRegistration*>(record);
    H().Require(registration->kind == kMenuCommandKind && registration->number == kExportCommandNumber &&
                    registration->reserved == 0 && registration->reserved2 == 0 && registration->command &&
                    std::strcmp(registration->caption, kPluginCaption) == 0,
                "a command registration record that is not the plug-in's");
    H().Require(!H().module.registration, "a command registered twice");
    H().module.registration = registration;
}

void RemoveCommand(int command) {
    H().Require(command == kExportCommandNumber, "a command removed that is not the plug-in's: " + std::to_string(command));
    H().module.registration = nullptr;
}

int RunHostDialog(int dialog, int* value, int flags, const char* text) {
    H().Require(dialog == kInstallNoticeDialog && flags == 0, "a host dialog other than the install notice");
    H().module.notices.push_back(mazovia::ToUtf8(text));
    if (H().Options().echoMessages) std::cout << "[notice]\n" << H().module.notices.back() << "\n" << std::flush;
    if (H().Options().noticeAnswer) *value = *H().Options().noticeAnswer;
    return 1;
}

// Asked with (1, -1), it names the features that the module needs and the host lacks.
int HostEntry(int request, int features) {
    return request == 1 && features == -1 ? static_cast<int>(H().Options().missingFeatures) : 0;
}

}  // namespace

ExportTable ModuleServices() {
    return {
        Export<service::AcceptModule, &AcceptModule>(),
        Export<service::HostVersion, &HostVersion>(),
        ExportVariadic<service::ShowStopMessage>(&ShowStopMessage),
        Export<service::RegisterCommand, &RegisterCommand>(),
        Export<service::RemoveCommand, &RemoveCommand>(),
        Export<service::RunHostDialog, &RunHostDialog>(),
        ExportServed<HostEntryFunction, kHostEntryOrdinal, &HostEntry>(),
    };
}

}  // namespace klarvo::sim
