#pragma once
// An output file of the export and whether everything written to it reached the file.

#include "src/services/files.h"

namespace klarvo::exporting {

struct OutputFile {
    // Open until closed at the run's end; closed on every other way out.
    services::FileHold open;
    bool failed = false;
};

template <class... Arguments>
void Print(OutputFile& file, const char* format, Arguments... arguments) {
    if (!services::PrintToFile(file.open.Get(), format, arguments...)) file.failed = true;
}

}  // namespace klarvo::exporting
