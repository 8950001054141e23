// morvel's command line as people type it, and the host options that set up a host that does not
// fit the plug-in.

#include <gtest/gtest.h>

#include <iostream>

#include "hostsim/session/linked_plugin.h"
#include "hostsim/session/session.h"
#include "hostsim/text/formatting.h"
#include "klarvo_version.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

struct MorvelRun {
    int exitCode;
    std::string output;  // standard output and standard error
};

MorvelRun Morvel(std::vector<std::string> arguments, const TestCompany& company) {
    for (std::string& argument : arguments)
        if (argument == "DIR") argument = company.Folder().string();
    sim::LinkedPlugin plugin;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int exitCode = sim::RunMorvel(arguments, plugin);
    std::cout.flush();
    const std::string output = ::testing::internal::GetCapturedStdout();
    return {exitCode, output + ::testing::internal::GetCapturedStderr()};
}

struct LineCase {
    const char* name;
    std::vector<std::string> arguments;
    int exitCode;
    std::string says;
};

class CommandLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(CommandLines, AnswerWithTheirExitCodeAndSayWhy) {
    const TestCompany company("number\n1\n", "number,date\nFV/1,2024-01-10\n");
    const MorvelRun run = Morvel(GetParam().arguments, company);
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.output;
    EXPECT_NE(run.output.find(GetParam().says), std::string::npos) << run.output;
    EXPECT_FALSE(company.Has("!Fs_pln.fkw"));
}

INSTANTIATE_TEST_SUITE_P(
    Morvel, CommandLines,
    ::testing::Values(
        LineCase{"Help", {"--help"}, 0, "Usage: morvel"},
        LineCase{"HelpCommand", {"help"}, 0, "Subcommands:"},
        LineCase{"CommandHelp", {"export", "--help"}, 0, "--throw-in SERVICE[:CALL]"},
        LineCase{"Version", {"--version"}, 0, std::string("morvel ") + KLARVO_VERSION},
        LineCase{"NearCommand", {"exprt", "DIR"}, 2, "did you mean export?"},
        LineCase{"NearOption", {"export", "DIR", "--frm", "2024-01-01"}, 2, "did you mean --from?"},
        LineCase{"BadDate", {"export", "DIR", "--from", "2024-13-01"}, 2, "--from: takes a date YYYY-MM-DD"},
        LineCase{"ServiceNotAsked", {"export", "DIR", "--missing-service", "5"}, 2,
                 "--missing-service: 5 is no service the plug-in asks for; there are 20902 20903"},
        LineCase{"TableNotAsked", {"export", "DIR", "--missing-table", "3"}, 2,
                 "--missing-table: 3 is no table the plug-in asks for; there are 35 44 45 46 47"},
        LineCase{"RecordLengthOfNoTable", {"export", "DIR", "--record-length", "99999=5"}, 2, "--record-length: 99999"},
        LineCase{"RejectionTheCodePageLacks", {"export", "DIR", "--reject", "\xF0\x9F\x98\x80"}, 2, "--reject: the text holds U+1F600"},
        LineCase{"ThrowInOfNoService", {"export", "DIR", "--throw-in", "1234"}, 2, "--throw-in: 1234 is no service"},
        LineCase{"TextOfAFolder", {"text", "DIR"}, 2, "directory"},
        LineCase{"PathStartingWithASlash", {"export", "/no-such-folder"}, 2, "/no-such-folder: no such company folder"},
        LineCase{"NoReportWindow", {"export", "DIR", "--missing-service", "35802"}, 1,
                 "the host refused the module, and the module could not show its load failure report"},
        LineCase{"ReportLaidOut", {"export", "DIR", "--record-length", "44=1470"}, 1,
                 "TABELA            WE WTYCZCE     W PROGRAMIE\nTspr                 1469           1470\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct StoredValueCase {
    const char* name;
    const char* file;
    std::string content;
    std::string says;
};

class StoredValues : public ::testing::TestWithParam<StoredValueCase> {};

// A value the host cannot hold stops the export before anything is written, naming file and key.
TEST_P(StoredValues, ThatTheCodePageLacksAreNamedByFileAndKey) {
    const TestCompany company("number\n1\n", "number,date\nFV/1,2024-01-10\n");
    company.Write(GetParam().file, GetParam().content);
    const MorvelRun run = Morvel({"export", "DIR", "--from", "2024-01-01", "--to", "2024-01-31", "--invoices"}, company);
    EXPECT_EQ(run.exitCode, 2) << run.output;
    EXPECT_NE(run.output.find(GetParam().says), std::string::npos) << run.output;
    EXPECT_FALSE(company.Has("!Fs_pln.fkw"));
    EXPECT_FALSE(company.Has("!Konta.fkx"));
}

INSTANTIATE_TEST_SUITE_P(
    Morvel, StoredValues,
    ::testing::Values(StoredValueCase{"Settings", "Klarvo.ini", "[Klarvo]\nPytaj = 1 \xF0\x9F\x98\x80\n",
                                      "Klarvo.ini, section [Klarvo], key Pytaj"},
                      StoredValueCase{"Configuration", "config.ini",
                                      "[ToburDekrSpr]\nDekret_0 = 3,0,\"201-K\",\"\",\"Sprzeda\xE2\x82\xAC\",\"\",1\n",
                                      "config.ini, section [ToburDekrSpr], key Dekret_0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Generate, RefusesAFolderThatHoldsACompanyUnlessForcedAndSaysWhatItWrote) {
    const TestCompany company("number\n1\n", "number\nFV/1\n");
    const MorvelRun refused = Morvel({"generate", "DIR", "--documents", "20", "--customers", "5"}, company);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.output.find("--force"), std::string::npos) << refused.output;
    EXPECT_EQ(company.Read("customers.csv"), "number\n1\n");
    const MorvelRun forced = Morvel({"generate", "DIR", "--documents", "20", "--customers", "5", "--force"}, company);
    EXPECT_EQ(forced.exitCode, 0) << forced.output;
    EXPECT_NE(forced.output.find("wrote 20 documents and 5 customers into"), std::string::npos) << forced.output;
}

TEST(MessageWindow, LaysOutTabStopsAndDropsItsMarkup) {
    EXPECT_EQ(sim::LaidOutMessage("\x01tl10l20\x01" "A\tB\tC\n\x01tp12p22\x01" "x\t42\t7\n\x02" "bold\x01 end"),
              "A         B         C\nx         42         7\nbold end");
}

}  // namespace
}  // namespace klarvo::test
