#pragma once
// The plug-in's command "Eksport Teta (txt)", as the host's menu calls it.

namespace klarvo::exporting {

// Holds the command's mode flag, makes the export object, runs the range form and, when the user
// confirms, the export. Always returns 0.
int ExportCommand();

}  // namespace klarvo::exporting
