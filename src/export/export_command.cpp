#include "src/export/export_command.h"

#include "src/export/export_object.h"
#include "src/frame/from_host.h"
#include "src/host/types.h"
#include "src/services/mode_flags.h"

namespace klarvo::exporting {

int ExportCommand() {
    return frame::FromHost(0, [] {
        services::ModeFlagHold modeFlag(host::kCommandModeFlag);
        CExportTetaTxt exporter;
        if (exporter.Run().CanRun() && exporter.RunSettingsStep()) exporter.Run().Write();
        modeFlag.Reset();
        return 0;
    });
}

}  // namespace klarvo::exporting
