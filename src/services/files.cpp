#include "src/services/files.h"

#include <tuple>

#include "src/frame/hold.h"

namespace klarvo::services {
namespace {

// A holder of the host's that owns a file from its making until the file is taken out of it.
class FileHolder {
public:
    // Takes over an open file that no holder owns.
    explicit FileHolder(FileHold& file) {
        frame::Call<host::service::MakeFileHolder>(&storage_, file.Get());
        made_.Take(&storage_);
        std::ignore = file.Release();
    }

    host::HostFile* Release() { return frame::Call<host::service::ReleaseFile>(&storage_); }

private:
    static void Destroy(host::FileHolderStorage* holder) { frame::Call<host::service::DestroyFileHolder>(holder); }

    host::FileHolderStorage storage_;
    frame::Hold<host::FileHolderStorage*, Destroy> made_;
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
