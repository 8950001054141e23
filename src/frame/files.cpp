#include "frame/files.h"

#include <utility>

#include "frame/held.h"

namespace klarvo::host {
namespace {

// An open file that no holder owns: closed on every way out until it is handed over.
class UnownedFile {
public:
    explicit UnownedFile(HostFile* file) : file_(file) {}
    ~UnownedFile() noexcept(false) { Close(); }
    UnownedFile(const UnownedFile&) = delete;
    UnownedFile& operator=(const UnownedFile&) = delete;

    HostFile* Get() const { return file_; }
    HostFile* HandOver() { return std::exchange(file_, nullptr); }
    void TakeBack(HostFile* file) { file_ = file; }

private:
    void Close() {
        if (HostFile* file = std::exchange(file_, nullptr)) frame::AskHostToTakeBack([file] { CloseFile(file); });
    }

    frame::Held held_{this, [](void* file) { static_cast<UnownedFile*>(file)->Close(); }};
    HostFile* file_;
};

// A holder of the host's that owns a file from its making until the file is taken out of it.
class FileHolder {
public:
    explicit FileHolder(UnownedFile& file) {
        Call<service::MakeFileHolder>(&storage_, file.Get());
        made_ = true;
        file.HandOver();
    }
    ~FileHolder() noexcept(false) { Destroy(); }
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;

    HostFile* Release() { return Call<service::ReleaseFile>(&storage_); }

private:
    void Destroy() {
        if (std::exchange(made_, false)) frame::AskHostToTakeBack([this] { Call<service::DestroyFileHolder>(&storage_); });
    }

    frame::Held held_{this, [](void* holder) { static_cast<FileHolder*>(holder)->Destroy(); }};
    FileHolderStorage storage_;
    bool made_ = false;
};

}  // namespace

HostFile* OpenOutputFile(const char* name) {
    UnownedFile file(Call<service::OpenFile>(name, "wt", 64, 0, -1, 0, 0, 0, 0));
    {
        FileHolder holder(file);
        file.TakeBack(holder.Release());
    }
    return file.HandOver();
}

void EmptyOutputFile(const char* name) {
    if (HostFile* file = OpenOutputFile(name)) CloseFile(file);
}

}  // namespace klarvo::host
