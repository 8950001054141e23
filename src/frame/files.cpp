#include "frame/files.h"

#include "frame/held.h"

namespace klarvo::host {
namespace {

// The holder that owns a newly opened file until the file is taken out of it.
class FileHolder {
public:
    explicit FileHolder(HostFile* opened) {
        Call<service::MakeFileHolder>(&storage_, opened);
        made_ = true;
    }
    ~FileHolder() { Destroy(); }
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;

    HostFile* Release() { return Call<service::ReleaseFile>(&storage_); }

private:
    void Destroy() {
        if (!made_) return;
        made_ = false;
        Call<service::DestroyFileHolder>(&storage_);
    }

    frame::Held held_{this, [](void* holder) { static_cast<FileHolder*>(holder)->Destroy(); }};
    FileHolderStorage storage_;
    bool made_ = false;
};

}  // namespace

HostFile* OpenOutputFile(const char* name) {
    FileHolder holder(Call<service::OpenFile>(name, "wt", 64, 0, -1, 0, 0, 0, 0));
    return holder.Release();
}

void EmptyOutputFile(const char* name) {
    if (HostFile* file = OpenOutputFile(name)) CloseFile(file);
}

}  // namespace klarvo::host
