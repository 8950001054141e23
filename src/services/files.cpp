#include "src/services/files.h"

#include <tuple>

#include "src/services/host_object.h"

namespace klarvo::services {
namespace {

// A holder of the host's that owns a file from its making until the file is taken out of it.
class FileHolder {
public:
    // Takes over an open file that no holder owns.
    explicit FileHolder(FileHold& file) {
        holder_.Make<host::service::MakeFileHolder>(file.Get());
        std::ignore = file.Release();
    }

    host::HostFile* Release() { return frame::Call<host::service::ReleaseFile>(holder_.Get()); }

private:
    HostObject<host::FileHolderStorage, host::service::DestroyFileHolder> holder_;
};

}  // namespace

host::HostFile* OpenOutputFile(const char* name) {
    FileHold file;
    if (host::HostFile* opened = frame::Call<host::service::OpenFile>(name, "wt", 64, 0, -1, 0, 0, 0, 0)) file.Take(opened);
    {
        FileHolder holder(file);
        if (host::HostFile* released = holder.Release()) file.Take(released);
    }
    return file.Release();
}

bool EmptyOutputFile(const char* name) {
    host::HostFile* file = OpenOutputFile(name);
    return file && CloseFile(file);
}

}  // namespace klarvo::services
