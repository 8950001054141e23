// The host's output files: opened in text mode (every line end becomes CR LF), written,
// closed, and the holders that own a file until it is taken out of them.

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "hostsim/host.h"
#include "hostsim/services/exports.h"
#include "hostsim/text/text_file.h"
#include "src/host/services.h"

namespace klarvo::sim {
namespace {

using namespace klarvo::host;

// ---- output files (text mode: every line end becomes CR LF)

HostFile* OpenFile(const char* name, const char* mode, int, int, int, int, int, int, int) {
    Host& host = Host::Active();
    host.Require(std::strcmp(mode, "wt") == 0, std::string("an output file opened in mode ") + mode);
    if (host.Options().failures.unwritable.count(name)) return nullptr;
    std::FILE* stream = OpenTextFile(host.PathOf(name));
    if (!stream) return nullptr;
    auto* file = new HostFile{stream, name};
    host.files.open.insert(file);
    return file;
}

int WriteFile(HostFile* file, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int written = Serve<service::WriteFile::kNumber>([&] {
        Host& host = Host::Active();
        host.Require(host.files.open.count(file) == 1, "a write to a file that is not open");
        return host.Options().failures.fullDisk.count(file->name) ? -1 : WriteFormatted(file->stream, format, arguments);
    });
    va_end(arguments);
    return written;
}

int CloseFile(HostFile* file) {
    Host& host = Host::Active();
    host.Require(host.files.open.erase(file) == 1, "a file closed that is not open (closed twice?)");
    const bool flushed = std::fflush(file->stream) == 0 && !std::ferror(file->stream);
    const bool closed = std::fclose(file->stream) == 0;
    delete file;
    return flushed && closed ? 0 : -1;
}

void KLARVO_THISCALL MakeFileHolder(FileHolderStorage* holder, HostFile* file) {
    Host& host = Host::Active();
    host.Require(host.files.holders.count(holder) == 0, "a file holder built twice in the same storage");
    host.files.holders[holder] = file;
}

HostFile* KLARVO_THISCALL ReleaseFile(FileHolderStorage* holder) {
    Host& host = Host::Active();
    host.Require(host.files.holders.count(holder) == 1, "a file released from no file holder");
    return std::exchange(host.files.holders[holder], nullptr);
}

void KLARVO_THISCALL DestroyFileHolder(FileHolderStorage* holder) {
    Host& host = Host::Active();
    host.Require(host.files.holders.count(holder) == 1, "a file holder destroyed that does not exist");
    HostFile* owned = host.files.holders[holder];
    host.files.holders.erase(holder);
    if (owned) CloseFile(owned);
}

}  // namespace

ExportTable FileServices() {
    return {
        Export<service::OpenFile, &OpenFile>(),
        ExportVariadic<service::WriteFile>(&WriteFile),
        Export<service::CloseFile, &CloseFile>(),
        Export<service::MakeFileHolder, &MakeFileHolder>(),
        Export<service::ReleaseFile, &ReleaseFile>(),
        Export<service::DestroyFileHolder, &DestroyFileHolder>(),
    };
}

}  // namespace klarvo::sim
