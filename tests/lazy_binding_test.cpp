// On i686: a host service called through a slot that is not bound yet reaches the host with its
// `this`, its stack arguments and its variadic arguments as the caller made them.

#include <gtest/gtest.h>

#include "hostsim/session/linked_plugin.h"
#include "src/frame/binding.h"
#include "src/frame/from_host.h"
#include "src/frame/lazy_binders.h"
#include "src/host/services.h"
#include "src/services/dates.h"
#include "src/services/files.h"
#include "src/services/tables.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

template <class Service>
typename Service::Pointer ThroughSlot() {
    return reinterpret_cast<typename Service::Pointer>(frame::klarvo_service_slots[Service::kIndex]);
}

TEST(LazyBinding, ACallThroughAnUnboundSlotBindsItAndGoesOnUnchanged) {
    const TestCompany company("number\n1\n", "number\nFV/1\n");
    sim::HostOptions options;
    options.company = company.Folder();
    sim::Host host(options);
    // The plug-in attached, but no slot bound yet.
    sim::LinkedPlugin().Attach();
    ASSERT_EQ(frame::klarvo_service_slots[host::service::StartWalk::kIndex], &klarvo_lazy_binder_52278);

    services::PrepareTable(services::DescribeTable(host::Table::SalesDocuments));
    host::WalkerStorage walker;
    // `this` in ECX and five stack arguments, the callee removing them; the host checks the third.
    EXPECT_EQ(ThroughSlot<host::service::StartWalk>()(&walker, 0, host::kSalesDocumentWalk, 0, 0, 0), 1);
    EXPECT_EQ(host.documents.walkers.count(&walker), 1u);
    EXPECT_NE(frame::klarvo_service_slots[host::service::StartWalk::kIndex], &klarvo_lazy_binder_52278);
    frame::Call<host::service::EndWalk>(&walker);
    frame::Call<host::service::DestroyWalker>(&walker);

    host::HostFile* file = services::OpenOutputFile("lazy.txt");
    ASSERT_EQ(frame::klarvo_service_slots[host::service::WriteFile::kIndex], &klarvo_lazy_binder_52541);
    EXPECT_GT(ThroughSlot<host::service::WriteFile>()(file, "%d|%s|%.2f|%lld\n", -7, "abc", 2.5, 1LL << 40), 0);
    EXPECT_TRUE(services::CloseFile(file));
    EXPECT_EQ(company.Read("lazy.txt"), "-7|abc|2.50|1099511627776\r\n");
    EXPECT_TRUE(host.Violations().empty());
}

// A service the host lacks, reached through its binder, fails the call as a missing service does
// anywhere: the exception crosses the binder's routine by its unwind information, the plug-in's
// frame gives the host the failure result, and the host goes on.
TEST(LazyBinding, AMissingServiceReachedThroughItsBinderFailsTheCallAndTheHostGoesOn) {
    const TestCompany company("number\n1\n", "number\nFV/1\n");
    sim::HostOptions options;
    options.company = company.Folder();
    options.missingServices = {host::service::Today::kNumber};
    sim::Host host(options);
    sim::LinkedPlugin().Attach();
    ASSERT_EQ(frame::klarvo_service_slots[host::service::Today::kIndex], &klarvo_lazy_binder_30204);

    const int answer = frame::FromHost(-1, [] {
        char today[host::kTodayBufferSize] = "";
        services::Today(today);
        return 0;
    });
    EXPECT_EQ(answer, -1);
    ASSERT_EQ(frame::Missing().count, 1);
    EXPECT_EQ(frame::Missing().numbers[0], host::service::Today::kNumber);
    // The host goes on: the next service binds and answers.
    EXPECT_NE(services::DescribeTable(host::Table::SalesDocuments), nullptr);
    EXPECT_TRUE(host.Violations().empty());
}

}  // namespace
}  // namespace klarvo::test
