#pragma once
// The state of the host's output files: the open files and the file holders. Files still open
// when the host ends are closed.

#include <cstdio>
#include <map>
#include <set>
#include <string>

namespace klarvo::host {
// The host's open output file.
struct HostFile {
    std::FILE* stream;
    std::string name;
};
}  // namespace klarvo::host

namespace klarvo::sim {

struct FileState {
    std::set<host::HostFile*> open;
    std::map<const void*, host::HostFile*> holders;  // holder, file it owns or null

    FileState() = default;
    FileState(const FileState&) = delete;
    FileState& operator=(const FileState&) = delete;
    ~FileState() {
        for (host::HostFile* file : open) {
            std::fclose(file->stream);
            delete file;
        }
    }
};

}  // namespace klarvo::sim
