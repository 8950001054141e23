// The host's output files (52534, 52541, 52305) and the file holders that own one (22562, 22567,
// 22563): opened in text mode by the C runtime, so that every line end becomes CR LF, and written
// by its formatted output.

#include "secondhost/host_runtime.h"
#include "secondhost/live_objects.h"
#include "secondhost/served_call.h"

struct HostFile {
    FILE* stream;
    char name[260];
};

namespace morvel {
namespace {

// 0 when everything written reached the file and it closed.
int Close(HostFile* file) {
    const bool flushed = fflush(file->stream) == 0 && ferror(file->stream) == 0;
    const bool closed = fclose(file->stream) == 0;
    delete file;
    return flushed && closed ? 0 : -1;
}

}  // namespace
}  // namespace morvel

using namespace morvel;

extern "C" HostFile* OpenFile(const char* name, const char* mode, int a, int b, int c, int d, int e, int f, int g) {
    ServiceCall call = Serve<52534>();
    call.Require(SameText(mode, "wt"), "an output file opened in another mode than \"wt\"");
    call.Require(a == 64 && b == 0 && c == -1 && d == 0 && e == 0 && f == 0 && g == 0,
                 "an output file opened with other arguments than 64, 0, -1, 0, 0, 0, 0");
    char path[520];
    if (!g_core->file_path(name, path, sizeof path)) call.Failed();
    if (g_core->unwritable(name)) return call.Done<HostFile*>(nullptr);
    FILE* stream = fopen(path, mode);
    if (!stream) return call.Done<HostFile*>(nullptr);
    auto* file = new HostFile{stream, {}};
    CopyBounded(file->name, sizeof file->name, name);
    g_live.files.Add(file);
    return call.Done(file);
}

extern "C" int WriteFile(HostFile* file, const char* format, ...) {
    ServiceCall call = Serve<52541>();
    if (!call.Require(g_live.files.Has(file), "a write to a file that is not open")) return -1;
    va_list arguments;
    va_start(arguments, format);
    const int written = g_core->full_disk(file->name) ? -1 : WriteFormatted(file->stream, format, arguments);
    va_end(arguments);
    return call.Done(written);
}

extern "C" int CloseFile(HostFile* file) {
    ServiceCall call = Serve<52305>();
    if (!call.Require(g_live.files.Remove(file), "a file closed that is not open (closed twice?)")) return -1;
    return call.Done(Close(file));
}

FileHolder::FileHolder(HostFile* owned) : file(owned) {
    ServiceCall call = Serve<22562>();
    call.Require(g_live.holders.Add(this), "a file holder made twice in the same storage");
    call.Done();
}

HostFile* FileHolder::Release() {
    ServiceCall call = Serve<22567>();
    call.Require(g_live.holders.Has(this), "a file released from no file holder");
    HostFile* const released = file;
    file = nullptr;
    return call.Done(released);
}

FileHolder::~FileHolder() noexcept(false) {
    ServiceCall call = Serve<22563>();
    if (call.Require(g_live.holders.Remove(this), "a file holder destroyed that does not exist") && file &&
        g_live.files.Remove(file))
        Close(file);
    call.Done();
}
