// The load checks and the load failure report, through the host's load of the plug-in.

#include <gtest/gtest.h>

#include <cstring>

#include "hostsim/company/ini_store.h"
#include "hostsim/session/linked_plugin.h"
#include "hostsim/session/plugin_session.h"
#include "src/frame/binding.h"
#include "src/plugin/entry_points.h"
#include "src/plugin/identity.h"
#include "src/plugin/load_checks.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

struct LoadOutcome {
    bool initialised;
    std::vector<sim::Message> messages;
    std::vector<std::string> violations;
    std::vector<int> describedTables;
};

LoadOutcome Load(sim::HostOptions options) {
    const TestCompany company("number\n1\n", "number\nFV/1\n");
    options.company = company.Folder();
    options.noticeAnswer = 1;
    sim::Host host(options);
    sim::LinkedPlugin plugin;
    const bool initialised = sim::RunPluginSession(host, plugin, [] {});
    return {initialised, host.Messages(), host.Violations(), host.records.describedTables};
}

struct ReportCase {
    const char* name;
    std::function<void(sim::HostOptions&)> host;
    const char* golden;  // the report's text, in tests/golden/reports
};

class LoadFailures : public ::testing::TestWithParam<ReportCase> {};

TEST_P(LoadFailures, FailTheInitialisationAndAreReportedInWords) {
    sim::HostOptions options;
    GetParam().host(options);
    const LoadOutcome outcome = Load(options);
    EXPECT_FALSE(outcome.initialised);
    EXPECT_TRUE(outcome.violations.empty());
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0].title, "STOP!!!");
    EXPECT_EQ(outcome.messages[0].text, Golden(std::string("reports/") + GetParam().golden));
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, LoadFailures,
    ::testing::Values(
        ReportCase{"Version111", [](sim::HostOptions& o) { o.version = 111; }, "version.txt"},
        ReportCase{"OneMissingService", [](sim::HostOptions& o) { o.missingServices = {20973}; }, "one_service.txt"},
        ReportCase{"TwoMissingServices", [](sim::HostOptions& o) { o.missingServices = {52082, 30018}; }, "two_services.txt"},
        ReportCase{"TenMissingServices",
                   [](sim::HostOptions& o) {
                       o.missingServices = {52466, 37974, 52015, 52016, 38511, 52029, 52541, 52352, 21285, 52133};
                   },
                   "ten_services.txt"},
        ReportCase{"RecordLengths",
                   [](sim::HostOptions& o) {
                       o.recordLengths = {{44, 1470}};
                       o.missingTables = {35};
                   },
                   "record_lengths.txt"},
        ReportCase{"HostsOwnReason", [](sim::HostOptions& o) { o.rejection = "Brak licencji na moduł."; }, "reason.txt"},
        ReportCase{"MissingFeatures",
                   [](sim::HostOptions& o) {
                       o.missingFeatures = 0x10;
                       o.version = 111;
                   },
                   "features.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadChecks, AFittingHostInitialisesAndDeclaresNoMismatch) {
    const LoadOutcome outcome = Load({});
    EXPECT_TRUE(outcome.initialised);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(outcome.describedTables, (std::vector<int>{44, 45, 47, 35}));
}

TEST(LoadChecks, AWrongVersionStopsBeforeTheTablesAreDeclared) {
    sim::HostOptions options;
    options.version = 111;
    const LoadOutcome outcome = Load(options);
    // Only the report's second run of the checks gets as far as the version again.
    EXPECT_TRUE(outcome.describedTables.empty());
}

// Fixture for calling the entry points one by one on a host with the plug-in loaded.
class EntryPoints : public PluginTest {
protected:
    static host::HostEntryFunction Entry() {
        return reinterpret_cast<host::HostEntryFunction>(sim::ExportedService(host::kHostEntryOrdinal));
    }
};

TEST_F(EntryPoints, TenMissingServicesAreCountedAndTheFirstEightKept) {
    sim::HostOptions options;
    options.missingServices = {52466, 37974, 52015, 52016, 38511, 52029, 52541, 52352, 21285, 52133};
    Reload(options);
    const frame::MissingServices& missing = frame::Missing();
    EXPECT_EQ(missing.count, 10u);
    const std::vector<std::uint16_t> stored(missing.numbers, missing.numbers + 8);
    EXPECT_EQ(stored, (std::vector<std::uint16_t>{52133, 21285, 52352, 52541, 52029, 38511, 52016, 52015}));
    EXPECT_EQ(klarvo_initialise(Entry(), nullptr), -1);
}

TEST_F(EntryPoints, AMismatchFoundTwiceStandsOnceInTheReport) {
    sim::HostOptions options;
    options.recordLengths = {{44, 1470}};
    Reload(options);
    EXPECT_EQ(klarvo_initialise(Entry(), nullptr), -1);
    EXPECT_EQ(klarvo_initialise(Entry(), nullptr), -1);
    EXPECT_EQ(plugin::DeclareTables(), 1);
    char text[plugin::kReportSize];
    EXPECT_EQ(plugin::RecordSizeText(text), -1);
    const std::string report = text;
    EXPECT_EQ(report.find("Tspr\t"), report.rfind("Tspr\t"));
}

TEST_F(EntryPoints, InitialiseWritesTheDisplayNameOnlyWhenGivenABuffer) {
    char name[19];
    std::memset(name, '?', sizeof name);
    EXPECT_EQ(klarvo_initialise(Entry(), name), 0);
    EXPECT_STREQ(name, "Eksport Teta (txt)");
    EXPECT_EQ(klarvo_initialise(Entry(), nullptr), 0);
}

TEST_F(EntryPoints, InitialiseWithoutAnEntryFunctionWithdrawsTheCommandAndChecksNothing) {
    host->module.displayName = plugin::kDisplayName;  // as the host keeps it from the initialising
    EXPECT_EQ(klarvo_register_or_report(0), 0);
    ASSERT_NE(host->module.registration, nullptr);
    host->records.describedTables.clear();
    EXPECT_EQ(klarvo_initialise(nullptr, nullptr), 0);
    EXPECT_EQ(host->module.registration, nullptr);
    EXPECT_TRUE(host->records.describedTables.empty());
}

TEST_F(EntryPoints, AReportOnAFittingHostSaysTheModuleWasNotInitialised) {
    EXPECT_EQ(klarvo_register_or_report(1), 0);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Moduł \"Klarvo.dll\" nie został poprawnie zainicjowany,\n"
                                                       "więc NIE BĘDZIE AKTYWNY!"});
}

TEST_F(EntryPoints, TheTwoOrdinalsWithoutFunctionGiveTheirFixedResults) {
    EXPECT_EQ(klarvo_unused_30009(), 0);
    for (const int argument : {0, 1, -1}) EXPECT_EQ(klarvo_unused_30010(argument), -1234567890);
}

struct NoticeCase {
    const char* stored;  // the "Pytaj" line of Klarvo.ini, or empty for none
    std::optional<std::int32_t> answer;
    bool shown;
    const char* written;
};

class InstallNotice : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(InstallNotice, IsShownUntilSwitchedOffAndItsAnswerKept) {
    const TestCompany company("number\n1\n", "number\nFV/1\n");
    if (*GetParam().stored) company.Write("Klarvo.ini", std::string("[Klarvo]\nPytaj = ") + GetParam().stored + "\n");
    sim::HostOptions options;
    options.company = company.Folder();
    options.noticeAnswer = GetParam().answer;
    LinkedHost host(options);
    host.module.displayName = plugin::kDisplayName;  // as the host keeps it from the initialising
    EXPECT_EQ(klarvo_register_or_report(0), 0);
    EXPECT_EQ(host.module.notices.size(), GetParam().shown ? 1u : 0u);
    if (GetParam().shown) {
        EXPECT_EQ(host.module.notices[0], "Zainstalowano wtyczkę do programu:\nEksport Teta (txt)");
    }
    EXPECT_EQ(sim::ReadIniValue(company.Folder() / "Klarvo.ini", "Klarvo", "Pytaj").value_or("none"),
              GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Settings, InstallNotice,
                         ::testing::Values(NoticeCase{"", std::nullopt, true, "0"}, NoticeCase{"", 1, true, "1"},
                                           NoticeCase{"1", std::nullopt, false, "1"},
                                           NoticeCase{"65536", std::nullopt, true, "0"},
                                           NoticeCase{"0", 65535, true, "-1"}, NoticeCase{"0", 70000, true, "4464"},
                                           NoticeCase{"nonsense", std::nullopt, true, "0"}));

}  // namespace
}  // namespace klarvo::test
