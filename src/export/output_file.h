#pragma once
// An output file of the export and whether everything written to it reached the file.

#include "src/services/files.h"

namespace klarvo::exporting {

struct OutputFile {
    host::HostFile* handle = nullptr;
    bool failed = false;
};

template <class... Arguments>
void Print(OutputFile& file, const char* format, Arguments... arguments) {
    if (!services::PrintToFile(file.handle, format, arguments...)) file.failed = true;
}

}  // namespace klarvo::exporting
