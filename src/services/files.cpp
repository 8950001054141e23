#include "src/services/files.h"

#include <utility>

#include "src/frame/held.h"

namespace klarvo::services {
namespace {

// An open file that no holder owns: closed on every way out until it is handed over.
class UnownedFile {
public:
    explicit UnownedFile(host::HostFile* file) : file_(file) {}
    ~UnownedFile() noexcept(false) { Close(); }
    UnownedFile(const UnownedFile&) = delete;
    UnownedFile& operator=(const UnownedFile&) = delete;

    host::HostFile* Get() const { return file_; }
    host::HostFile* HandOver() { return std::exchange(file_, nullptr); }
    void TakeBack(host::HostFile* file) { file_ = file; }

private:
    void Close() {
        if (host::HostFile* file = std::exchange(file_, nullptr)) frame::AskHostToTakeBack([file] { CloseFile(file); });
    }

    frame::Held held_{this, [](void* file) { static_cast<UnownedFile*>(file)->Close(); }};
    host::HostFile* file_;
};

// A holder of the host's that owns a file from its making until the file is taken out of it.
class FileHolder {
public:
    explicit FileHolder(UnownedFile& file) {
        frame::Call<host::service::MakeFileHolder>(&storage_, file.Get());
        made_ = true;
        file.HandOver();
    }
    ~FileHolder() noexcept(false) { Destroy(); }
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;

    host::HostFile* Release() { return frame::Call<host::service::ReleaseFile>(&storage_); }

private:
    void Destroy() {
        if (std::exchange(made_, false)) frame::AskHostToTakeBack([this] { frame::Call<host::service::DestroyFileHolder>(&storage_); });
    }

    frame::Held held_{this, [](void* holder) { static_cast<FileHolder*>(holder)->Destroy(); }};
    host::FileHolderStorage storage_;
    bool made_ = false;
};

}  // namespace

host::HostFile* OpenOutputFile(const char* name) {
    UnownedFile file(frame::Call<host::service::OpenFile>(name, "wt", 64, 0, -1, 0, 0, 0, 0));
    {
        FileHolder holder(file);
        file.TakeBack(holder.Release());
    }
    return file.HandOver();
}

bool EmptyOutputFile(const char* name) {
    host::HostFile* file = OpenOutputFile(name);
    return file && CloseFile(file);
}

}  // namespace klarvo::services
