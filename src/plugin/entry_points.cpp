#include "src/plugin/entry_points.h"

#include <cstdio>
#include <cstring>

#include "src/export/export_command.h"
#include "src/frame/from_host.h"
#include "src/frame/module_state.h"
#include "src/host/command_registration.h"
#include "src/host/mazovia.h"
#include "src/plugin/identity.h"
#include "src/plugin/load_checks.h"
#include "src/services/host_module.h"
#include "src/services/settings_file.h"

namespace klarvo::plugin {
namespace {

const host::CommandRegistration kRegistration = {
    host::kMenuCommandKind, kDisplayName, host::kExportCommandNumber, 0, &exporting::ExportCommand, 0,
};

// Shown until the user switches it off in the notice itself; the low 16 bits of "Pytaj" say
// whether it was (0: show it again).
void ShowInstallNotice() {
    std::int32_t ask = 0;
    if (!services::ReadSetting("Klarvo.ini", "Klarvo", "Pytaj", "%d", &ask))
        ask = 0;
    else if ((ask & 0xFFFF) != 0)
        return;
    char text[128];
    std::snprintf(text, sizeof text, "Zainstalowano wtyczkę do programu:\n%s"_mz, kDisplayName);
    services::ShowInstallNotice(text, &ask);
    services::WriteSetting("Klarvo.ini", "Klarvo", "Pytaj", "%d", static_cast<int>(static_cast<std::int16_t>(ask)));
}

}  // namespace
}  // namespace klarvo::plugin

using klarvo::frame::FromHost;
using namespace klarvo::plugin;

// A service that the host lacks ends an entry point as a failure.
int KLARVO_STDCALL klarvo_initialise(klarvo::host::HostEntryFunction entry, char* displayName) {
    return FromHost(-1, [&] {
        if (!entry) {
            klarvo::services::RemoveCommand(klarvo::host::kExportCommandNumber);
            return 0;
        }
        klarvo::frame::Module().hostEntry = entry;
        static_assert(sizeof kDisplayName <= klarvo::host::kDisplayNameRoom, "the host's buffer holds the name");
        if (displayName) std::memcpy(displayName, kDisplayName, sizeof kDisplayName);
        return RunLoadChecks();
    });
}

int KLARVO_STDCALL klarvo_register_or_report(int report) {
    FromHost(0, [&] {
        if (report != 0) {
            ShowLoadFailureReport();
        } else {
            klarvo::services::RegisterCommand(kRegistration);
            ShowInstallNotice();
        }
        return 0;
    });
    return 0;
}

int KLARVO_STDCALL klarvo_unused_30009() { return 0; }

int KLARVO_STDCALL klarvo_unused_30010(int) { return klarvo::host::kNoFunctionAnswer; }
