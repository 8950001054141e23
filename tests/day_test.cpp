// A day in the host: the plug-in loaded once while the user works. Every export of the day must
// write and show what a fresh morvel process writes and shows on the company as it stood,
// whatever ran before it in the day.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "hostsim/company/table_file.h"
#include "hostsim/faults/fault_raising.h"
#include "hostsim/session/day.h"
#include "hostsim/session/day_random.h"
#include "hostsim/session/day_script.h"
#include "hostsim/session/linked_plugin.h"
#include "hostsim/session/session.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

namespace fs = std::filesystem;

const fs::path kSample = fs::path(KLARVO_SOURCE_DIR) / "hostsim" / "sample";
const std::string kJanuary = "export --from 2024-01-01 --to 2024-01-31 --invoices --today 2024-02-05";

class DayInTheHost : public ::testing::Test {
protected:
    DayInTheHost() : company(sim::ReadFile(kSample / "customers.csv"), sim::ReadFile(kSample / "documents.csv")) {
        fs::copy_file(kSample / "scheme.csv", company.Folder() / "scheme.csv");
    }

    // The day's exit code; what it wrote on standard error goes into `errors`.
    int Run(const std::vector<sim::DayAction>& actions, bool againstFresh = true) {
        sim::LinkedPlugin plugin;
        sim::DayOptions options{company.Folder(), std::nullopt, {}};
        if (againstFresh) options.againstFresh = fs::path(KLARVO_MORVEL);
        ::testing::internal::CaptureStderr();
        ::testing::internal::CaptureStdout();
        const int code = sim::Day(options, plugin).Run(actions);
        output = ::testing::internal::GetCapturedStdout();
        errors = ::testing::internal::GetCapturedStderr();
        return code;
    }

    int RunLines(const std::string& lines) {
        std::vector<std::string> split = SplitAt(lines, "\n");
        return Run(sim::ReadDayLines(split, "day.txt", company.Folder()));
    }

    TestCompany company;
    std::string output, errors;
};

TEST_F(DayInTheHost, TheSampleDayIsTheSameAsFreshSessions) {
    EXPECT_EQ(Run(sim::ReadDayScript(kSample / "day.txt")), 0) << errors;
    EXPECT_NE(output.find("34 actions, 14 exports, each the same as in a fresh session"), std::string::npos) << output;
}

// Whatever ran before an export in the day, the export is the same as in a session of its own.
class BeforeAnExport : public DayInTheHost, public ::testing::WithParamInterface<std::string> {};

TEST_P(BeforeAnExport, TheExportIsTheSameAsAFreshOne) {
    EXPECT_EQ(RunLines(kJanuary + "\n" + GetParam() + "\n" + kJanuary), 0) << errors;
    EXPECT_NE(output.find("each the same as in a fresh session"), std::string::npos) << output;
}

INSTANTIATE_TEST_SUITE_P(
    DayInTheHost, BeforeAnExport,
    ::testing::ValuesIn(std::vector<std::string>{"throw-in 52541:3\n" + kJanuary, "throw-in 52279:4\n" + kJanuary, "throw-in 52305:2\n" + kJanuary,
                      "throw-in 24007\n" + kJanuary, "unwritable !Konta.fkx\n" + kJanuary,
                      "unwritable !Fs_pln.fkw\n" + kJanuary, "full-disk !Fs_pln.fkw\n" + kJanuary, "export --cancel",
                      "export --no-invoices", "export --from 2024-03-01 --to 2024-02-01", "scheme --edit scheme.csv",
                      "throw-in 38400:5\nscheme --edit scheme.csv", "scheme --edit scheme.csv --abandon", "form",
                      "withdraw", "throw-in 52082\nwithdraw", "throw-in 51594\nwithdraw", "throw-in 52023\nreload", "reload",
                      "refused-load", "refused-load --missing-service 52541", "refused-load --record-length 44=100",
                      "customer 17 short_name ŹRÓDŁO-NOWE\nremove-document FV/2/2024",
                      "ini Klarvo.ini Klarvo OpcjeWstep \"0,20230101,20231231\"", "ini config.ini ToburDekrSpr Dekret_1 zepsute"}),
    [](const ::testing::TestParamInfo<std::string>& info) { return "Case" + std::to_string(info.index); });

// In each way the host can raise its failures in: a failure in the document walk, in the scheme
// editor's list, and in a release while the first failure unwinds the plug-in.
std::vector<std::string> FailuresInEveryWay() {
    std::vector<std::string> lines;
    for (const sim::FailureWayName& way : sim::RaisableWays())
        for (const std::string& failure : {"throw-in 52279:4\n" + kJanuary, std::string("throw-in 38400:5\nscheme --edit scheme.csv"),
                                           "throw-in 52279:4\nthrow-in 50538\n" + kJanuary})
            lines.push_back("host-failure " + std::string(way.name) + "\n" + failure);
    return lines;
}

INSTANTIATE_TEST_SUITE_P(EveryWay, BeforeAnExport, ::testing::ValuesIn(FailuresInEveryWay()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return "Case" + std::to_string(info.index); });

// On Windows the random days run with the real DLL (the Dll.* tests), which is what the fresh
// sessions run there too.
#if !defined(_WIN32)
class RandomDay : public DayInTheHost, public ::testing::WithParamInterface<std::uint64_t> {};

// A third of the actions or so with a failure of the host or its disk: each ends as it would in a
// session of its own, no contract is broken, and every export is the same as a fresh one.
TEST_P(RandomDay, OfAThousandActionsEndsWellWithEveryExportAsAFreshOne) {
    const fs::path schemes = company.Folder() / "schemes";
    fs::create_directory(schemes);
    const std::vector<std::string> lines = sim::RandomDay(1000, GetParam(), company.Folder(), schemes);
    EXPECT_EQ(Run(sim::ReadDayLines(lines, "random day", schemes)), 0) << errors;
    EXPECT_NE(output.find("1000 actions"), std::string::npos);
    EXPECT_NE(errors.find("the plug-in gave back everything it held"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(DayInTheHost, RandomDay, ::testing::Values(1, 2, 3));
#endif

struct BadLine {
    const char* line;
    const char* told;
};

class ABadLine : public DayInTheHost, public ::testing::WithParamInterface<BadLine> {};

TEST_P(ABadLine, IsRefusedNamingItBeforeAnythingRuns) {
    const fs::path script = company.Folder() / "day.txt";
    std::ofstream(script) << kJanuary << "\n" << GetParam().line << "\n";
    sim::LinkedPlugin plugin;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(sim::RunMorvel({"day", company.Folder().string(), script.string()}, plugin), 2);
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(told.find("day.txt, line 2"), std::string::npos) << told;
    EXPECT_NE(told.find(GetParam().told), std::string::npos) << told;
    EXPECT_FALSE(company.Has("!Fs_pln.fkw"));
}

INSTANTIATE_TEST_SUITE_P(
    DayInTheHost, ABadLine,
    ::testing::Values(BadLine{"exprot --from 2024-01-01", "did you mean export?"},
                      BadLine{"export --form 2024-01-01", "did you mean --from?"},
                      BadLine{"export --from 2024-13-01", "takes a date YYYY-MM-DD"},
                      BadLine{"throw-in 12345", "12345 is no service the plug-in asks for"},
                      BadLine{"throw-in 52541:0", "counts calls from 1"},
                      BadLine{"customer 3 name", "customer"}, BadLine{"add-document number", "takes COLUMN=VALUE"},
                      BadLine{"ini ../Klarvo.ini Klarvo", "takes a file name without a folder"},
                      BadLine{"customer 3 name \"Nowa", "a quoted word is not closed"},
                      BadLine{"scheme --edit missing.csv", "missing.csv: cannot be read"},
                      BadLine{"withdraw now", "now"}));

TEST_F(DayInTheHost, AnExportUnlikeItsFreshRunEndsTheDayNamingTheActionAndTheByte) {
    const std::vector<sim::DayAction> actions = sim::ReadDayLines({kJanuary}, "day.txt", company.Folder());
    // The fresh session is asked for February: the files part where the first document differs.
    const sim::DayAction unlike{"day.txt, line 2", kJanuary, [&](sim::Day& day) {
                                    sim::HostOptions january = January();
                                    january.today = "20240205";
                                    return day.Export(january, {"--from", "2024-02-01", "--to", "2024-02-29",
                                                                "--invoices", "--today", "2024-02-05"});
                                }};
    EXPECT_EQ(Run({actions.front(), unlike}), 1);
    EXPECT_NE(errors.find("morvel day: day.txt, line 2 (" + kJanuary + "): the messages shown: differs from byte"),
              std::string::npos)
        << errors;
}

TEST_F(DayInTheHost, ABrokenContractEndsTheDayNamingTheAction) {
    const sim::DayAction breaking{"day.txt, line 4", "export", [](sim::Day&) {
                                      sim::Host::Active().Violation("a file was left open at the end of the command");
                                      return 0;
                                  }};
    EXPECT_EQ(Run({breaking}, false), 3);
    EXPECT_NE(errors.find("morvel day: day.txt, line 4 (export) broke a contract of the host"), std::string::npos) << errors;
}

TEST_F(DayInTheHost, ACompanyThatCannotBeReadRefusesTheActionAndTheDayGoesOn) {
    EXPECT_EQ(RunLines("customer 3 credit_limit dużo\n" + kJanuary + "\ncustomer 3 credit_limit 100\n" + kJanuary), 0)
        << errors;
    EXPECT_NE(output.find("(exit code 2)"), std::string::npos) << output;
    EXPECT_NE(errors.find("column credit_limit"), std::string::npos) << errors;
    EXPECT_NE(company.Read("!Fs_pln.fkw").find("FV/1/2024"), std::string::npos);
}

// A NUL typed into a customer's name is refused by the host, named by file, line and column; the
// day shows the line with its control characters as escapes and goes on.
TEST_F(DayInTheHost, ALineWithAControlCharacterIsShownEscapedAndItsValueRefused) {
    EXPECT_EQ(RunLines(std::string("customer 3 name \"NUL") + '\0' + "X\"\n" + kJanuary), 0) << errors;
    EXPECT_NE(output.find("== day.txt, line 1: customer 3 name \"NUL\\0X\"\n"), std::string::npos) << output;
    EXPECT_EQ(output.find('\0'), std::string::npos);
    EXPECT_NE(errors.find("customers.csv, line 4, column name: \"NUL\\0X\" holds a NUL byte"), std::string::npos) << errors;
}

TEST_F(DayInTheHost, KeepCopiesTheCompanyFolderAsItStands) {
    EXPECT_EQ(RunLines(kJanuary + "\nkeep kept\nremove-document FV/1/2024\n" + kJanuary), 0) << errors;
    const fs::path kept = company.Folder() / "kept";
    EXPECT_NE(sim::ReadFile(kept / "!Fs_pln.fkw").find("FV/1/2024"), std::string::npos);
    EXPECT_EQ(company.Read("!Fs_pln.fkw").find("FV/1/2024"), std::string::npos);
    EXPECT_NE(sim::ReadFile(kept / "documents.csv").find("FV/1/2024"), std::string::npos);
    EXPECT_EQ(company.Read("documents.csv").find("FV/1/2024"), std::string::npos);
    EXPECT_EQ(sim::ReadFile(kept / "Klarvo.ini"), company.Read("Klarvo.ini"));
}

}  // namespace
}  // namespace klarvo::test
