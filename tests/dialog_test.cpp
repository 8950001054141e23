// The settings dialog: the range form, its button " Ko~n~fig", the posting-scheme editor and the
// export object's virtual table as the host calls it.

#include <gtest/gtest.h>

#include "hostsim/company/ini_store.h"
#include "src/export/export_object.h"
#include "src/host/dialog.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

const char* const kCustomers = "number\n42\n";
const char* const kDocuments =
    "number,date,customer,amount_1,amount_2,amount_3\nFV/42/2024,2024-03-07,42,100.00,23.00,123.00\n";

sim::SchemeEditorVisit Visit(std::vector<sim::SchemeEdit> edits, bool abandon = false) {
    return {std::move(edits), abandon};
}

const sim::SchemeEdit kEntry3 = {3, SchemeEntry(1, "490", 0, "", "Koszt", "K", 4)};

std::optional<std::string> Stored(const TestCompany& company, const std::string& section, const std::string& key) {
    return sim::ReadIniValue(company.Folder() / "config.ini", section, key);
}

sim::HostOptions Cancelled(std::vector<sim::SchemeEditorVisit> visits) {
    sim::HostOptions options;
    options.form.configPresses = std::move(visits);
    options.form.cancel = true;
    return options;
}

class SettingsDialog : public ::testing::Test {
protected:
    TestCompany company{kCustomers, kDocuments};
};

TEST_F(SettingsDialog, ConfigWithNoStoredSchemeOpensTheDefaultsAndOkStoresThem) {
    const ExportOutcome outcome = RunExport(company, Cancelled({Visit({})}));
    EXPECT_TRUE(outcome.violations.empty());
    ASSERT_EQ(outcome.schemeListings.size(), 1u);
    EXPECT_NE(outcome.schemeListings[0].find("221-2"), std::string::npos);
    EXPECT_EQ(outcome.commandResults, std::vector<std::int32_t>{-2});
    EXPECT_EQ(company.Read("config.ini"), Golden("default_invoice_scheme.ini"));
}

TEST_F(SettingsDialog, ASecondPressShowsTheSchemeStoredByTheFirst) {
    const ExportOutcome outcome = RunExport(company, Cancelled({Visit({kEntry3}), Visit({}, true)}));
    ASSERT_EQ(outcome.schemeListings.size(), 2u);
    EXPECT_NE(outcome.schemeListings[0].find("Koszt"), std::string::npos);
    EXPECT_EQ(outcome.schemeListings[1], outcome.schemeListings[0]);
    EXPECT_EQ(Stored(company, "ToburDekrSpr", "Dekret_3"), "1,0,\"490\",\"\",\"Koszt\",\"K\",4");
}

TEST_F(SettingsDialog, AnAbandonedEditorStoresNothingAndTheExportUsesTheStoredScheme) {
    sim::HostOptions options = Year2024();
    options.form.configPresses = {Visit({{0, SchemeEntry(3, "999", 0, "", "Inne")}}, true)};
    options.today = "20240307";
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_FALSE(company.Has("config.ini"));
    EXPECT_EQ(company.Read("!Fs_pln.fkw"), Golden("register_example.fkw"));
}

TEST_F(SettingsDialog, ASchemeEditedAndConfirmedReachesTheRegister) {
    sim::HostOptions options = Year2024();
    options.form.configPresses = {Visit({kEntry3})};
    RunExport(company, options);
    const std::string registerFile = company.Read("!Fs_pln.fkw");
    EXPECT_NE(registerFile.find("490            \xFE   100.00\xFE     0.00\xFE"), std::string::npos) << registerFile;
}

TEST_F(SettingsDialog, LeavingTheRangeFormKeepsTheSettingsButNotTheSchemeEdits) {
    company.Write("Klarvo.ini", "[Klarvo]\nOpcjeWstep = 1,20230101,20231231\n");
    sim::HostOptions options = Cancelled({Visit({kEntry3})});
    options.form.dateFrom = "20240101";
    options.form.invoices = false;
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_EQ(sim::ReadIniValue(company.Folder() / "Klarvo.ini", "Klarvo", "OpcjeWstep"), "1,20230101,20231231");
    EXPECT_TRUE(Stored(company, "ToburDekrSpr", "Dekret_3").has_value());
}

TEST_F(SettingsDialog, EveryCallbackObjectIsDestroyedWhenTheHostLacksTheEditor) {
    sim::HostOptions options = Cancelled({Visit({kEntry3})});
    options.missingServices = {24006};
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_EQ(outcome.commandResults, std::vector<std::int32_t>{0});
    EXPECT_FALSE(company.Has("config.ini"));
}

// The export object as the host sees it while the range form is open.
class ExportObject : public PluginTest {
protected:
    ExportObject() : PluginTest(kCustomers, kDocuments) { object.emplace(); }
    ~ExportObject() override { object.reset(); }

    std::int32_t Press(std::uint32_t code, std::int16_t kind) {
        return host::TableEntry<host::CommandHandlerEntry>(&*object, host::kCommandHandler)(&*object, code, kind);
    }
    std::intptr_t ListItem(std::int16_t index) {
        return host::TableEntry<host::ListItemEntry>(&*object, host::kListItemProvider)(&*object, index, 0);
    }

    std::optional<exporting::CExportTetaTxt> object;
};

TEST_F(ExportObject, TheCorrectionCodeOpensTheCorrectionScheme) {
    EXPECT_EQ(Press(0x4103, 1), -2);
    ASSERT_EQ(host->dialogs.schemeListings.size(), 1u);
    EXPECT_NE(host->dialogs.schemeListings[0].find("221-4"), std::string::npos);
    EXPECT_FALSE(company.Has("config.ini"));  // the simulated user abandoned the editor
}

class CodesWithoutScheme : public ExportObject, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(CodesWithoutScheme, AreToldAndOpenNoEditor) {
    EXPECT_EQ(Press(GetParam(), 1), 0);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Brak możliwości konfiguracji dekretu"});
    EXPECT_TRUE(host->dialogs.schemeListings.empty());
}

INSTANTIATE_TEST_SUITE_P(Codes, CodesWithoutScheme,
                         ::testing::Values(0x4104, 0x4105, 0x4108, 0x410B, 0x5001, 0x7777));

class OtherEventKinds : public ExportObject, public ::testing::WithParamInterface<std::int16_t> {};

TEST_P(OtherEventKinds, DoNothing) {
    EXPECT_EQ(Press(0x4102, GetParam()), 0);
    EXPECT_TRUE(MessageTexts().empty());
    EXPECT_TRUE(host->dialogs.schemeListings.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, OtherEventKinds, ::testing::Values(0, 2, -1, 0x0101));

TEST_F(ExportObject, ListsTheAmountNamesWithALeadingBlankAndNothingBeyondThem) {
    EXPECT_EQ(Press(0x0001'4102, 1), -2);  // only the low 16 bits are the code
    EXPECT_EQ(ListItem(-1), 33);
    const auto text = [&](std::int16_t index) { return std::string(reinterpret_cast<const char*>(ListItem(index))); };
    EXPECT_EQ(text(0), " ---");
    EXPECT_EQ(text(26), " Brutto z opakowaniami");
    EXPECT_EQ(text(32), " Brutto  8");
    for (const std::int16_t beyond : {33, 40, -2, 32767}) EXPECT_EQ(text(beyond), "") << beyond;
}

TEST_F(ExportObject, EveryOtherEntryReachesTheHostServiceBehindIt) {
    for (int entry = 0; entry < host::kDialogOperationCount; ++entry) {
        const std::uint16_t service = host::kDialogOperationServices[entry];
        if (service == 0) continue;
        host::TableEntry<host::DialogOperation>(&*object, entry)(&*object);
        ASSERT_FALSE(host->dialogs.operationCalls.empty());
        EXPECT_EQ(host->dialogs.operationCalls.back().service, service) << "entry " << entry + 1;
        EXPECT_EQ(host->dialogs.operationCalls.back().object, &*object) << "entry " << entry + 1;
    }
    EXPECT_EQ(host->dialogs.operationCalls.size(), 32u);
}

}  // namespace
}  // namespace klarvo::test
