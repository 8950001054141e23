// The export command end to end through the simulated host: selection, files, messages, settings.

#include <gtest/gtest.h>

#include "hostsim/company/ini_store.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

const char* const kCustomers =
    "number,short_name,name,address\n"
    "7,ACME,ACME Sp. z o.o.,\"ul. Kwiatowa 5, 00-950 Warszawa\"\n"
    "-7,Kowalski,Jan Kowalski,Łódź\n";

const char* const kDocuments =
    "number,date,payment_days,customer,included,amount_1,amount_2,amount_3\n"
    "FV/1/2024,2024-01-01,14,7,1,100.00,23.00,123.00\n"  // on date-from
    "FV/2/2024,2024-01-31,0,-7,1,10,2.3,12.3\n"          // on date-to
    "FV/3/2023,2023-12-31,,7,1,1,0,1\n"                  // before the period
    "FV/4/2024,2024-02-01,,7,1,1,0,1\n"                  // after it
    "FV/5/2024,,,7,1,1,0,1\n"                            // no date
    "FV/6/2024,2024-01-15,,7,0,1,0,1\n"                  // not included
    "FV/7/2024,2024-01-15,,0,1,1,0,1\n";                 // no customer

std::string Summary(int invoices) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "Ilość wyeksportowanych faktur sprzedaży: %5d\nIlość wyeksportowanych korekt sprzedaży:     0\n",
                  invoices);
    return text;
}

// FV/5/2024 is marked for export and has no date: every run that walks the documents tells it
// after the summary.
const std::string kUndated =
    "Pominięto 1 fakturę bez daty (\"FV/5/2024\").\n"
    "Faktura bez daty nie trafia do żadnego eksportu: uzupełnij jej datę w programie i powtórz eksport.";

std::vector<std::string> Walked(int invoices) { return {Summary(invoices), kUndated}; }

std::optional<std::string> StoredSettings(const TestCompany& company) {
    return sim::ReadIniValue(company.Folder() / "Klarvo.ini", "Klarvo", "OpcjeWstep");
}

std::vector<std::string> Texts(const ExportOutcome& outcome) {
    std::vector<std::string> texts;
    for (const auto& message : outcome.messages) {
        EXPECT_EQ(message.title, kMessageTitle);
        texts.push_back(message.text);
    }
    return texts;
}

class ExportRun : public ::testing::Test {
protected:
    TestCompany company{kCustomers, kDocuments};
};

TEST_F(ExportRun, ExportsTheDocumentsOfThePeriodWithBothBoundsIncluded) {
    const ExportOutcome outcome = RunExport(company, January());
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_EQ(Texts(outcome), Walked(3));
}

TEST_F(ExportRun, APeriodThatEndsBeforeItStartsSelectsNothing) {
    EXPECT_EQ(Texts(RunExport(company, Period("20240131", "20240101"))), Walked(0));
}

TEST_F(ExportRun, WritesBothHeaderLinesWithTheDateOfTheRun) {
    sim::HostOptions options = January(false);
    options.today = "20240315";
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_EQ(Texts(outcome), std::vector<std::string>{Summary(0)});
    EXPECT_EQ(company.Read("!Fs_pln.fkw"), Golden("register_header.fkw"));
    EXPECT_EQ(company.Read("!Konta.fkx"), Golden("accounts_header.fkx"));
}

TEST_F(ExportRun, AWalkThatCannotStartExportsNothing) {
    sim::HostOptions options = January();
    options.walkFails = true;
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_EQ(Texts(outcome), std::vector<std::string>{Summary(0)});
    EXPECT_EQ(company.Read("!Konta.fkx"), Golden("accounts_header.fkx"));
}

TEST_F(ExportRun, FirstUseStoresEmptyDatesAndReadsThemBackEmpty) {
    ASSERT_FALSE(company.Has("Klarvo.ini"));
    RunExport(company);
    EXPECT_EQ(StoredSettings(company), "0,,");
    sim::HostOptions options;
    options.form.invoices = true;
    EXPECT_TRUE(RunExport(company, options).violations.empty());
    EXPECT_EQ(StoredSettings(company), "1,,");
}

TEST_F(ExportRun, ConfirmedSettingsAreShownAgainNextTime) {
    RunExport(company, January());
    EXPECT_EQ(StoredSettings(company), "1,20240101,20240131");
    const ExportOutcome again = RunExport(company);
    EXPECT_EQ(Texts(again), Walked(3));
    EXPECT_EQ(StoredSettings(company), "1,20240101,20240131");
}

struct StoredOptions {
    const char* stored;
    const char* written;
    int invoices;
};

class StoredOptionFlags : public ExportRun, public ::testing::WithParamInterface<StoredOptions> {};

TEST_P(StoredOptionFlags, KeepTheirLowSixteenBits) {
    company.Write("Klarvo.ini", std::string("[Klarvo]\nOpcjeWstep=") + GetParam().stored + "\n");
    const int invoices = GetParam().invoices;
    EXPECT_EQ(Texts(RunExport(company)), invoices > 0 ? Walked(invoices) : std::vector<std::string>{Summary(0)});
    EXPECT_EQ(StoredSettings(company), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(ExportRun, StoredOptionFlags,
                         ::testing::Values(StoredOptions{"65537,20240101,20240131", "1,20240101,20240131", 3},
                                           StoredOptions{"65536,20240101,20240131", "0,20240101,20240131", 0},
                                           StoredOptions{"-1,20240101,20240131", "-1,20240101,20240131", 3},
                                           StoredOptions{"2,20240101,20240131", "2,20240101,20240131", 0},
                                           StoredOptions{"nonsense", "0,,", 0}));

class ModeFlag : public ExportRun, public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(ModeFlag, IsAsItWasBeforeTheCommand) {
    const auto [setBefore, cancel] = GetParam();
    sim::HostOptions options = January();
    options.modeFlags = setBefore ? 0x8001 : 0x0001;
    options.form.cancel = cancel;
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_EQ(outcome.modeFlags, options.modeFlags);
}

INSTANTIATE_TEST_SUITE_P(ExportRun, ModeFlag, ::testing::Combine(::testing::Bool(), ::testing::Bool()));

TEST_F(ExportRun, ACancelledFormWritesNothing) {
    company.Write("Klarvo.ini", "[Klarvo]\nOpcjeWstep=1,20230101,20231231\n");
    sim::HostOptions options = January();
    options.form.cancel = true;
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(StoredSettings(company), "1,20230101,20231231");
    EXPECT_FALSE(company.Has("!Fs_pln.fkw"));
    EXPECT_FALSE(company.Has("!Konta.fkx"));
}

const std::string kRegisterLeftOver =
    "Nie można otworzyć pliku !Fs_pln.fkw (może go mieć otwarty inny program, np. system Teta).\n"
    "Jeśli w folderze są pliki !Fs_pln.fkw i !Konta.fkx, pochodzą one z wcześniejszego eksportu:\n"
    "nie importuj ich do systemu Teta. Zamknij plik w innym programie i powtórz eksport.";
const std::string kAccountsLeftOver =
    "Nie można otworzyć pliku !Konta.fkx (może go mieć otwarty inny program, np. system Teta).\n"
    "Plik !Fs_pln.fkw jest teraz pusty, a plik !Konta.fkx może zawierać konta z wcześniejszego eksportu:\n"
    "nie importuj tych plików do systemu Teta. Zamknij plik w innym programie i powtórz eksport.";
const std::string kBothEmptied =
    "Oba pliki, !Fs_pln.fkw i !Konta.fkx, opróżniono, aby do systemu Teta nie trafił niepełny eksport.\n"
    "Usuń przyczynę błędu (np. brak miejsca na dysku) i powtórz eksport.";

TEST_F(ExportRun, ARegisterFileThatCannotBeOpenedStopsTheRun) {
    std::filesystem::create_directory(company.Folder() / "!Fs_pln.fkw");
    const ExportOutcome outcome = RunExport(company, January());
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_EQ(Texts(outcome), (std::vector<std::string>{"Błąd: plik Fs_pln.fkw nie jest otwarty!", kRegisterLeftOver}));
    EXPECT_FALSE(company.Has("!Konta.fkx"));
    EXPECT_EQ(StoredSettings(company), "1,20240101,20240131");
}

// Teta still holds an earlier run's register: both earlier files stay, and the user is told
// that they are not this run's.
TEST_F(ExportRun, ARegisterHeldByAnotherProgramLeavesTheEarlierFilesNamedAsSuch) {
    company.Write("!Konta.fkx", "an earlier run's accounts");
    company.Write("!Fs_pln.fkw", "an earlier run's register");
    sim::HostOptions options = January();
    options.failures.unwritable = {"!Fs_pln.fkw"};
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_EQ(Texts(outcome), (std::vector<std::string>{"Błąd: plik Fs_pln.fkw nie jest otwarty!", kRegisterLeftOver}));
    EXPECT_EQ(company.Read("!Fs_pln.fkw"), "an earlier run's register");
    EXPECT_EQ(company.Read("!Konta.fkx"), "an earlier run's accounts");
}

// The accounts file of an earlier run cannot be opened (another program holds it): the register
// is empty beside it, and the user is told not to import the two.
TEST_F(ExportRun, AnAccountsFileThatCannotBeOpenedIsNamedAsLeftFromAnEarlierRun) {
    company.Write("!Konta.fkx", "an earlier run's accounts");
    company.Write("!Fs_pln.fkw", "an earlier run's register");
    sim::HostOptions options = January();
    options.failures.unwritable = {"!Konta.fkx"};
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_EQ(Texts(outcome), (std::vector<std::string>{"Błąd: plik Konta.fkx nie jest otwarty!", kAccountsLeftOver}));
    EXPECT_EQ(company.Read("!Fs_pln.fkw"), "");
    EXPECT_EQ(company.Read("!Konta.fkx"), "an earlier run's accounts");
}

class MissingTable : public ExportRun, public ::testing::WithParamInterface<int> {};

TEST_P(MissingTable, IsReportedAndNothingRuns) {
    sim::HostOptions options = January();
    options.missingTables = {GetParam()};
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_EQ(Texts(outcome), std::vector<std::string>{"Błąd operacji dyskowej-Constructor!\nOperacja niekompletna!"});
    EXPECT_FALSE(company.Has("Klarvo.ini"));
    EXPECT_FALSE(company.Has("!Fs_pln.fkw"));
}

INSTANTIATE_TEST_SUITE_P(ExportRun, MissingTable, ::testing::Values(35, 44, 46));

// A file not written whole empties both files, so that the other one is not imported alone.
class FailingWrite : public ExportRun, public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(FailingWrite, EmptiesBothFilesAndIsReportedInsteadOfTheSummary) {
    sim::HostOptions options = January();
    options.failures.fullDisk = {GetParam().first};
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_EQ(Texts(outcome), (std::vector<std::string>{GetParam().second, kBothEmptied}));
    EXPECT_EQ(company.Read("!Fs_pln.fkw"), "");
    EXPECT_EQ(company.Read("!Konta.fkx"), "");
}

INSTANTIATE_TEST_SUITE_P(
    ExportRun, FailingWrite,
    ::testing::Values(std::pair{"!Fs_pln.fkw", "Błąd: zapis pliku Fs_pln.fkw nie powiódł się!"},
                      std::pair{"!Konta.fkx", "Błąd: zapis pliku Konta.fkx nie powiódł się!"}));

#ifndef _WIN32
TEST_F(ExportRun, AFullDiskEmptiesBothFilesAndIsReportedInsteadOfTheSummary) {
    std::filesystem::create_symlink("/dev/full", company.Folder() / "!Konta.fkx");
    const ExportOutcome outcome = RunExport(company, January());
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_EQ(Texts(outcome), (std::vector<std::string>{"Błąd: zapis pliku Konta.fkx nie powiódł się!", kBothEmptied}));
    EXPECT_EQ(company.Read("!Fs_pln.fkw"), "");
}
#endif

}  // namespace
}  // namespace klarvo::test
