#pragma once
// Host tables: descriptors, their record buffers and the document walk.

#include "src/frame/hold.h"
#include "src/frame/service_call.h"
#include "src/services/host_object.h"

namespace klarvo::services {

// Null when the host has no such table.
inline host::TableDescriptor* DescribeTable(host::Table table) {
    return frame::Call<host::service::DescribeTable>(static_cast<int>(table));
}

// Readies a table before its record buffer is used.
inline void PrepareTable(host::TableDescriptor* table) { frame::Call<host::service::PrepareTable>(table, host::kPrepareTableMode); }

// The walk over the sales document headers, each loaded into the Tspr record buffer in turn.
// Ended and destroyed on every way out, also when it could not start.
class DocumentWalk {
public:
    DocumentWalk();

    bool Started() const { return started_; }
    // Loads the next document; false at the end.
    bool Next();

private:
    static void EndWalk(host::WalkerStorage* walker);

    // The host's walker in our storage; and its walk, which is ended first.
    HostObject<host::WalkerStorage, host::service::DestroyWalker> walker_;
    frame::Hold<host::WalkerStorage*, EndWalk> walking_;
    bool started_ = false;
};

// Has the host fill the amounts of the document in the Tspr record buffer.
inline void FillDocumentAmounts(double* amounts) { frame::Call<host::service::FillDocumentAmounts>(0, amounts, 0, 0); }

}  // namespace klarvo::services
