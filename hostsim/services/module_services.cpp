// The host's side of loading a module: acceptance, version, the load failure report's window,
// the menu command, the install notice dialog and the host's entry function.

#include <cstring>

#include "hostsim/host.h"
#include "hostsim/services/exports.h"
#include "hostsim/text/formatting.h"
#include "src/host/mazovia.h"
#include "src/host/module_entries.h"
#include "src/host/services.h"
#include "src/host/windows.h"

namespace klarvo::sim {
namespace {

using namespace klarvo::host;

// Non-zero when the host refuses the module; the reason goes into the buffer when one is given.
int AcceptModule(ModuleHandle plugin, char* reason, int reasonSize) {
    Host& host = Host::Active();
    host.Require(plugin == host.module.handle, "the acceptance of a module that the host did not load");
    const auto& rejection = host.Options().rejection;
    if (!rejection) return 0;
    if (reason && reasonSize > 0) {
        const std::string text = mazovia::FromUtf8(*rejection);
        const std::size_t length = std::min(text.size(), static_cast<std::size_t>(reasonSize) - 1);
        std::memcpy(reason, text.data(), length);
        reason[length] = '\0';
    }
    return 1;
}

int HostVersion() { return Host::Active().Options().version; }

int ShowStopMessage(int window, const char* title, const char* format, int buttons, int style, ...) {
    Host& host = Host::Active();
    va_list arguments;
    va_start(arguments, style);
    const std::string text = Format(format, arguments);
    va_end(arguments);
    return Serve<service::ShowStopMessage::kNumber>([&] {
        host.Require(window == kStopWindow && buttons == kStopButtons && style == kStopStyle,
                     "the stop window opened with another number, other buttons or another style");
        host.ShowMessage(title, text, false);
        return 1;
    });
}

void RegisterCommand(const void* record) {
    Host& host = Host::Active();
    const auto* registration = static_cast<const CommandRegistration*>(record);
    host.Require(registration->kind == kMenuCommandKind && registration->number == kExportCommandNumber &&
                 registration->reserved == 0 && registration->reserved2 == 0 && registration->command &&
                 registration->caption && registration->caption == host.module.displayName,
                 "a command registration record that is not the plug-in's");
    host.Require(!host.module.registration, "a command registered twice");
    host.module.registration = registration;
}

void RemoveCommand(int command) {
    Host& host = Host::Active();
    host.Require(command == kExportCommandNumber, "a command removed that is not the plug-in's: " + std::to_string(command));
    host.module.registration = nullptr;
}

int RunHostDialog(int dialog, int* value, int flags, const char* text) {
    Host& host = Host::Active();
    host.Require(dialog == kInstallNoticeDialog && flags == 0, "a host dialog other than the install notice");
    host.ShowNotice(text);
    if (host.Options().noticeAnswer) *value = *host.Options().noticeAnswer;
    return 1;
}

// Asked with (1, -1), it names the features that the module needs and the host lacks.
int HostEntry(int request, int features) {
    return request == 1 && features == -1 ? static_cast<int>(Host::Active().Options().missingFeatures) : 0;
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
