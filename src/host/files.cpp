#include "host/files.h"

namespace klarvo::host {

HostFile* OpenOutputFile(const char* name) {
    HostFile* opened = Call<service::OpenFile>(name, "wt", 64, 0, -1, 0, 0, 0, 0);
    FileHolderStorage holder;
    Call<service::MakeFileHolder>(&holder, opened);
    struct Destroy {
        FileHolderStorage* holder;
        ~Destroy() { Call<service::DestroyFileHolder>(holder); }
    } destroy{&holder};
    return Call<service::ReleaseFile>(&holder);
}

}  // namespace klarvo::host
