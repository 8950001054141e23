// The host's tables: descriptors, the document walk with its amounts, the customer lookup and
// the clean-up of customer texts.

#include <algorithm>
#include <string>

#include "exports.h"
#include "host.h"
#include "host/services.h"
#include "text_cleanup.h"

namespace klarvo::sim {
namespace {

using namespace klarvo::host;

Host& H() { return Host::Active(); }

// ---- tables, the document walk, the customer lookup

TableDescriptor* DescribeTable(int number) {
    H().records.describedTables.push_back(number);
    return H().Describe(number);
}

int KLARVO_THISCALL PrepareTable(TableDescriptor* table, int mode) {
    H().Require(mode == 255, "a table prepared with a mode other than 255");
    H().Prepare(table);
    return 1;
}

int KLARVO_THISCALL StartWalk(WalkerStorage* walker, int, int selector, int, int, int) {
    H().Require(selector == kSalesDocumentWalk, "a document walk with an unknown selector");
    H().Require(H().documents.walkers.count(walker) == 0, "a document walk started twice in the same storage");
    H().TableOf(Table::SalesDocuments);
    H().documents.walkers[walker] = {};
    return H().Options().walkFails ? 0 : 1;
}

int KLARVO_THISCALL StepWalk(WalkerStorage* walker) {
    Host& h = H();
    h.Require(h.documents.walkers.count(walker) == 1 && !h.documents.walkers[walker].ended, "a step of a walk that is not running");
    Host::Walk& walk = h.documents.walkers[walker];
    if (walk.next >= h.company.documents.size()) {
        h.documents.current.reset();
        return 0;
    }
    h.company.documents[walk.next].PutInto(h.TableOf(Table::SalesDocuments).record.data());
    h.documents.current = walk.next++;
    return 1;
}

void KLARVO_THISCALL EndWalk(WalkerStorage* walker) {
    H().Require(H().documents.walkers.count(walker) == 1 && !H().documents.walkers[walker].ended, "a walk ended that is not running");
    H().documents.walkers[walker].ended = true;
    H().documents.current.reset();
}

void KLARVO_THISCALL DestroyWalker(WalkerStorage* walker) {
    H().Require(H().documents.walkers.count(walker) == 1, "a walker destroyed that does not exist");
    H().Require(H().documents.walkers[walker].ended, "a walker destroyed before its walk was ended");
    H().documents.walkers.erase(walker);
}

void FillDocumentAmounts(int, double* amounts, int, int) {
    H().Require(H().documents.current.has_value(), "document amounts asked for with no current document");
    const auto& source = H().company.documents[H().documents.current.value_or(0)].amounts;
    std::copy(source.begin(), source.end(), amounts);
}

std::int32_t* CustomerSearchKey() { return &H().records.customerSearchKey; }

int FindCustomer(int mode) {
    Host& h = H();
    h.Require(mode == -1, "a customer lookup in a mode other than -1");
    std::vector<char>& buffer = h.TableOf(Table::Customers).record;
    const auto found = h.company.customerByNumber.find(h.records.customerSearchKey);
    if (found == h.company.customerByNumber.end()) return 0;
    const std::vector<char>& record = h.company.customers[found->second];
    std::copy(record.begin(), record.end(), buffer.begin());
    return 1;
}

}  // namespace

ExportTable TableServices() {
    return {
        Export<service::CleanName, &CleanName>(),
        Export<service::CleanAddressPart, &CleanAddressPart>(),
        Export<service::DescribeTable, &DescribeTable>(),
        Export<service::PrepareTable, &PrepareTable>(),
        Export<service::StartWalk, &StartWalk>(),
        Export<service::StepWalk, &StepWalk>(),
        Export<service::EndWalk, &EndWalk>(),
        Export<service::DestroyWalker, &DestroyWalker>(),
        Export<service::FillDocumentAmounts, &FillDocumentAmounts>(),
        Export<service::CustomerSearchKey, &CustomerSearchKey>(),
        Export<service::FindCustomer, &FindCustomer>(),
    };
}

}  // namespace klarvo::sim
