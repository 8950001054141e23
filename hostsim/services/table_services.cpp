// The host's tables: descriptors, the document walk with its amounts, the customer lookup and
// the clean-up of customer texts.

#include <algorithm>
#include <string>

#include "hostsim/host.h"
#include "hostsim/services/exports.h"
#include "hostsim/text/text_cleanup.h"
#include "src/host/services.h"

namespace klarvo::sim {
namespace {

using namespace klarvo::host;

// ---- tables, the document walk, the customer lookup

TableDescriptor* DescribeTable(int number) {
    Host& host = Host::Active();
    host.records.describedTables.push_back(number);
    return host.Describe(number);
}

int KLARVO_THISCALL PrepareTable(TableDescriptor* table, int mode) {
    Host& host = Host::Active();
    host.Require(mode == kPrepareTableMode, "a table prepared in another mode than the one for its record buffer");
    host.Prepare(table);
    return 1;
}

int KLARVO_THISCALL StartWalk(WalkerStorage* walker, int, int selector, int, int, int) {
    Host& host = Host::Active();
    host.Require(selector == kSalesDocumentWalk, "a document walk with an unknown selector");
    host.Require(host.documents.walkers.count(walker) == 0, "a document walk started twice in the same storage");
    host.TableOf(Table::SalesDocuments);
    host.documents.walkers[walker] = {};
    return host.Options().walkFails ? 0 : 1;
}

int KLARVO_THISCALL StepWalk(WalkerStorage* walker) {
    Host& host = Host::Active();

    host.Require(host.documents.walkers.count(walker) == 1 && !host.documents.walkers[walker].ended, "a step of a walk that is not running");
    Walk& walk = host.documents.walkers[walker];
    if (walk.next >= host.company.documents.size()) {
        host.documents.current.reset();
        return 0;
    }
    host.company.documents[walk.next].PutInto(host.TableOf(Table::SalesDocuments).record.data());
    host.documents.current = walk.next++;
    return 1;
}

void KLARVO_THISCALL EndWalk(WalkerStorage* walker) {
    Host& host = Host::Active();
    host.Require(host.documents.walkers.count(walker) == 1 && !host.documents.walkers[walker].ended, "a walk ended that is not running");
    host.documents.walkers[walker].ended = true;
    host.documents.current.reset();
}

void KLARVO_THISCALL DestroyWalker(WalkerStorage* walker) {
    Host& host = Host::Active();
    host.Require(host.documents.walkers.count(walker) == 1, "a walker destroyed that does not exist");
    host.Require(host.documents.walkers[walker].ended, "a walker destroyed before its walk was ended");
    host.documents.walkers.erase(walker);
}

void FillDocumentAmounts(int, double* amounts, int, int) {
    Host& host = Host::Active();
    host.Require(host.documents.current.has_value(), "document amounts asked for with no current document");
    const auto& source = host.company.documents[host.documents.current.value_or(0)].amounts;
    std::copy(source.begin(), source.end(), amounts);
}

std::int32_t* CustomerSearchKey() { return &Host::Active().records.customerSearchKey; }

int FindCustomer(int mode) {
    Host& host = Host::Active();

    host.Require(mode == kFindBySearchKey, "a customer lookup in another mode than by the search key");
    std::vector<char>& buffer = host.TableOf(Table::Customers).record;
    const auto found = host.company.customerByNumber.find(host.records.customerSearchKey);
    if (found == host.company.customerByNumber.end()) return 0;
    const std::vector<char>& record = host.company.customers[found->second];
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
