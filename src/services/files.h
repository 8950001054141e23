#pragma once
// Output files, opened, written and closed by the host on the plug-in's behalf.

#include "src/frame/hold.h"
#include "src/frame/service_call.h"

namespace klarvo::services {

// Opens (creating or emptying) a file of the host's working folder for writing in text mode.
// Null when it cannot be opened.
host::HostFile* OpenOutputFile(const char* name);

// The host's formatted write and close promise no result: only what the C runtime's own fprintf
// and fclose call a failure is taken as one, a negative write result and a close result of -1.

// printf-style write; false when the host could not write it.
template <class... Arguments>
bool PrintToFile(host::HostFile* file, const char* format, Arguments... arguments) {
    return frame::Call<host::service::WriteFile>(file, format, arguments...) >= 0;
}

inline constexpr int kCloseFailed = -1;

// false when the file could not be written to its end.
inline bool CloseFile(host::HostFile* file) { return frame::Call<host::service::CloseFile>(file) != kCloseFailed; }

// A file given back on a way out: a close that fails counts as done, since nothing more can be
// asked.
inline void CloseGivenBackFile(host::HostFile* file) { CloseFile(file); }
using FileHold = frame::Hold<host::HostFile*, CloseGivenBackFile>;

// Leaves the file empty (creating it when needed); false when it could not be opened or closed.
bool EmptyOutputFile(const char* name);

}  // namespace klarvo::services
