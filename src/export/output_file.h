#pragma once
// An output file of the export and whether everything written to it reached the file.

#include "src/services/files.h"
#include "src/teta/built_format.h"

namespace klarvo::exporting {

struct OutputFile {
    // Open until closed at the run's end; closed on every other way out.
    services::FileHold open;
    bool failed = false;
};

// A line in its format, which the arguments are seen to match when the plug-in is built.
template <const teta::BuiltFormat& Format, class... Arguments>
void Print(OutputFile& file, Arguments... arguments) {
    const bool written = teta::PrintInFormat<Format>(
        [&](const char* format, auto... checked) { return services::PrintToFile(file.open.Get(), format, checked...); },
        arguments...);
    if (!written) file.failed = true;
}

}  // namespace klarvo::exporting
