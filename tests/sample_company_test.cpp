// The sample company through morvel's command line, as a user runs it.

#include <gtest/gtest.h>

#include "hostsim/session/linked_plugin.h"
#include "hostsim/session/session.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

TEST(SampleCompany, ExportsTheSameBytesOnEveryTarget) {
    const std::filesystem::path sample = std::filesystem::path(KLARVO_SOURCE_DIR) / "hostsim" / "sample";
    TestCompany company("", "");
    for (const char* name : {"customers.csv", "documents.csv"})
        std::filesystem::copy_file(sample / name, company.Folder() / name,
                                   std::filesystem::copy_options::overwrite_existing);
    sim::LinkedPlugin plugin;
    const int exitCode = sim::RunMorvel({"export", company.Folder().string(), "--from", "2024-01-01", "--to",
                                         "2024-03-31", "--invoices", "--today", "2024-04-02"},
                                        plugin);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(company.Read("!Fs_pln.fkw"), Golden("sample/!Fs_pln.fkw"));
    EXPECT_EQ(company.Read("!Konta.fkx"), Golden("sample/!Konta.fkx"));
    EXPECT_EQ(CheckExport(company), std::vector<std::string>{});
}

TEST(SampleCompany, ACancelledExportEndsWellAndAFailedOneDoesNot) {
    TestCompany company("number\n1\n", "number,date\nFV/1,2024-01-01\n");
    sim::LinkedPlugin plugin;
    EXPECT_EQ(sim::RunMorvel({"export", company.Folder().string(), "--cancel"}, plugin), 0);
    std::filesystem::create_directory(company.Folder() / "!Fs_pln.fkw");
    EXPECT_EQ(sim::RunMorvel({"export", company.Folder().string()}, plugin), 1);
    EXPECT_EQ(sim::RunMorvel({"export", company.Folder().string(), "--from", "2024-13-01"},
                             plugin),
              2);
}

}  // namespace
}  // namespace klarvo::test
