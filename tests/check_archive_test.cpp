// klarvo-check keeping the archive of imports: sound exports added to it, repeats refused,
// nothing half-written, a damaged archive told.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "check/archive.h"
#include "check/check_command.h"
#include "check/paths.h"
#include "check/teta_check.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

namespace fs = std::filesystem;

const std::string kFirstFolder = "2024-04-02_2024-01-02_2024-03-25";

class CheckArchive : public ::testing::Test {
protected:
    CheckArchive() : company("number\n1\n", "number\nFV/1\n"), archive(company.Folder() / check::PathOf("Archiwum importów")) {
        Export(Golden("sample/!Fs_pln.fkw"));
    }

    // The sample export with its documents renumbered from "/2024" to "/YEAR", run on `runDate`.
    void Export(std::string salesRegister, const std::string& year = "2024", const std::string& runDate = "2024-04-02") {
        for (std::size_t at = 0; (at = salesRegister.find("/2024\xFE", at)) != std::string::npos; at += 5)
            salesRegister.replace(at + 1, 4, year);
        salesRegister.replace(salesRegister.find("2024-04-02"), 10, runDate);
        company.Write("!Fs_pln.fkw", salesRegister);
        company.Write("!Konta.fkx", Golden("sample/!Konta.fkx"));
    }

    // klarvo-check COMPANY --archive ARCHIVE; the exit code, with the report in `said`.
    int CheckAndArchive() {
        std::ostringstream out, err;
        const int exitCode = check::RunCheck({check::Shown(company.Folder()), "--archive", check::Shown(archive)},
                                             check::Language::English, {out, err});
        said = out.str() + err.str();
        return exitCode;
    }

    std::vector<std::string> Archived() const {
        std::vector<std::string> names;
        if (fs::exists(archive))
            for (const fs::directory_entry& entry : fs::directory_iterator(archive)) names.push_back(check::Shown(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string Read(const fs::path& file) const {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    TestCompany company;
    fs::path archive;
    std::string said;
};

TEST_F(CheckArchive, ASoundExportBecomesAReadOnlyFolderOfItsRunAndPeriod) {
    ASSERT_EQ(CheckAndArchive(), check::kSound) << said;
    ASSERT_EQ(Archived(), std::vector<std::string>{kFirstFolder});
    EXPECT_NE(said.find("Archived in " + check::Shown(archive / kFirstFolder) + ": both files, read-only.\n"),
              std::string::npos)
        << said;
    for (const char* file : {check::kRegisterFile, check::kAccountsFile}) {
        EXPECT_EQ(Read(archive / kFirstFolder / file), Read(company.Folder() / file)) << file;
        EXPECT_EQ(fs::status(archive / kFirstFolder / file).permissions() & fs::perms::owner_write, fs::perms::none) << file;
    }
}

TEST_F(CheckArchive, NewInvoicesGoBesideTheFirstAndARepeatIsRefusedWithNothingArchived) {
    ASSERT_EQ(CheckAndArchive(), check::kSound) << said;
    Export(Golden("sample/!Fs_pln.fkw"), "2025", "2024-07-01");
    ASSERT_EQ(CheckAndArchive(), check::kSound) << said;
    const std::vector<std::string> both = {kFirstFolder, "2024-07-01_2024-01-02_2024-03-25"};
    EXPECT_EQ(Archived(), both);

    Export(Golden("sample/!Fs_pln.fkw"), "2025", "2024-10-01");
    EXPECT_EQ(CheckAndArchive(), check::kFindings);
    EXPECT_NE(said.find("document FV/1/2025 of 2024-01-11 is in an earlier export already"), std::string::npos) << said;
    EXPECT_NE(said.find("Nothing archived: the files have findings. Do not import them: mend the cause, export again and check the new files.\n"), std::string::npos) << said;
    EXPECT_EQ(Archived(), both);
}

TEST_F(CheckArchive, ATakenNameGetsASuffix) {
    ASSERT_EQ(CheckAndArchive(), check::kSound) << said;
    Export(Golden("sample/!Fs_pln.fkw"), "2025");
    ASSERT_EQ(CheckAndArchive(), check::kSound) << said;
    EXPECT_EQ(Archived(), (std::vector<std::string>{kFirstFolder, kFirstFolder + "_2"}));
}

TEST_F(CheckArchive, AnArchiveThatCannotBeWrittenIsAnErrorAndStaysAsItWas) {
    company.Write("not a folder", "kept");
    archive = company.Folder() / "not a folder";
    EXPECT_EQ(CheckAndArchive(), check::kFailed);
    EXPECT_NE(said.find("not a folder: is no folder; the archive of imports is a folder"), std::string::npos) << said;
    EXPECT_EQ(company.Read("not a folder"), "kept");

    archive = company.Folder() / "not a folder" / "archive";
    EXPECT_EQ(CheckAndArchive(), check::kFailed);
    EXPECT_NE(said.find(": the files cannot be archived ("), std::string::npos) << said;
    EXPECT_NE(said.find("); nothing archived\n"), std::string::npos) << said;
    EXPECT_EQ(company.Read("not a folder"), "kept");
}

TEST_F(CheckArchive, ACopyThatFailsHalfwayLeavesNothingBehind) {
    fs::create_directories(archive / "earlier");
    const auto failOnTheSecond = [calls = 0](const fs::path& from, const fs::path& to) mutable {
        fs::copy_file(from, to);
        if (++calls == 2) throw fs::filesystem_error("disk full", to, std::make_error_code(std::errc::no_space_on_device));
    };
    EXPECT_THROW(check::ArchiveExport(archive, kFirstFolder, check::FilesOfExport(company.Folder()), check::Language::English,
                                      failOnTheSecond),
                 check::CheckFailure);
    EXPECT_EQ(Archived(), std::vector<std::string>{"earlier"});
}

// A damaged entry is the archive's fault, not the checked files': exit 2, naming the entry and
// how to mend it, and nothing archived.
TEST_F(CheckArchive, ADamagedArchivedExportStopsTheCheckNamingItAndNothingIsArchived) {
    ASSERT_EQ(CheckAndArchive(), check::kSound) << said;
    fs::permissions(archive / kFirstFolder / check::kAccountsFile, fs::perms::owner_write, fs::perm_options::add);
    fs::remove(archive / kFirstFolder / check::kAccountsFile);
    fs::create_directory(archive / ".klarvo-copy-2024-07-01_2024-01-02_2024-03-25");
    Export(Golden("sample/!Fs_pln.fkw"), "2025", "2024-07-01");
    EXPECT_EQ(CheckAndArchive(), check::kFailed);
    EXPECT_EQ(said, "klarvo-check: the archive of imports is damaged: " + check::Shown(archive / kFirstFolder) +
                        ": the folder holds no !Konta.fkx, under this name or another. Until it is mended it cannot "
                        "tell what was imported: put the two files of that import back into the folder, or move the "
                        "folder out of the archive, then check again.\n");
    EXPECT_EQ(Archived(), (std::vector<std::string>{".klarvo-copy-2024-07-01_2024-01-02_2024-03-25", kFirstFolder}));
}

TEST_F(CheckArchive, AnArchivedExportWhoseFilesDoNotPassIsNamedWithItsFirstFinding) {
    ASSERT_EQ(CheckAndArchive(), check::kSound) << said;
    const fs::path archived = archive / kFirstFolder / check::kRegisterFile;
    fs::permissions(archived, fs::perms::owner_write, fs::perm_options::add);
    std::ofstream(archived, std::ios::binary | std::ios::app) << "oops\r\n";
    Export(Golden("sample/!Fs_pln.fkw"), "2025", "2024-07-01");
    EXPECT_EQ(CheckAndArchive(), check::kFailed);
    EXPECT_NE(said.find("the archive of imports is damaged: " + check::Shown(archive / kFirstFolder) +
                        ": its files do not pass the check: !Fs_pln.fkw, line 86:"),
              std::string::npos)
        << said;
}

// Files checked under names of their own are archived under the names Teta imports; an entry an
// earlier version filled with the checked files' own names is still read.
class NamedFiles : public CheckArchive {
protected:
    NamedFiles() {
        fs::rename(company.Folder() / check::kRegisterFile, company.Folder() / check::PathOf("styczeń.fkw"));
        fs::rename(company.Folder() / check::kAccountsFile, company.Folder() / check::PathOf("styczeń.fkx"));
    }

    int CheckNamedAndArchive() {
        std::ostringstream out, err;
        const int exitCode = check::RunCheck({check::Shown(company.Folder() / check::PathOf("styczeń.fkw")),
                                              check::Shown(company.Folder() / check::PathOf("styczeń.fkx")), "--archive",
                                              check::Shown(archive)},
                                             check::Language::English, {out, err});
        said = out.str() + err.str();
        return exitCode;
    }
};

TEST_F(NamedFiles, AreArchivedUnderTetasNamesAndTheirDocumentsToldAsExportedBefore) {
    ASSERT_EQ(CheckNamedAndArchive(), check::kSound) << said;
    EXPECT_EQ(Read(archive / kFirstFolder / check::kRegisterFile), Golden("sample/!Fs_pln.fkw"));
    EXPECT_EQ(Read(archive / kFirstFolder / check::kAccountsFile), Golden("sample/!Konta.fkx"));
    EXPECT_EQ(CheckNamedAndArchive(), check::kFindings);
    EXPECT_NE(said.find("document FV/1/2024 of 2024-01-11 is in an earlier export already"), std::string::npos) << said;
    EXPECT_EQ(said.find("not whole"), std::string::npos) << said;
    EXPECT_EQ(said.find("damaged"), std::string::npos) << said;
}

TEST_F(NamedFiles, InAnEntryOfAnEarlierVersionAreStillRead) {
    fs::create_directories(archive / kFirstFolder);
    fs::copy_file(company.Folder() / check::PathOf("styczeń.fkw"), archive / kFirstFolder / check::PathOf("styczeń.fkw"));
    fs::copy_file(company.Folder() / check::PathOf("styczeń.fkx"), archive / kFirstFolder / check::PathOf("styczeń.fkx"));
    EXPECT_EQ(CheckNamedAndArchive(), check::kFindings);
    EXPECT_NE(said.find("document FV/1/2024 of 2024-01-11 is in an earlier export already"), std::string::npos) << said;
    EXPECT_EQ(said.find("damaged"), std::string::npos) << said;
}

TEST_F(NamedFiles, TwoRegistersInOneEntryAreTheArchivesFault) {
    fs::create_directories(archive / kFirstFolder);
    for (const char* name : {"a.fkw", "b.fkw"}) fs::copy_file(company.Folder() / check::PathOf("styczeń.fkw"), archive / kFirstFolder / name);
    fs::copy_file(company.Folder() / check::PathOf("styczeń.fkx"), archive / kFirstFolder / "a.fkx");
    EXPECT_EQ(CheckNamedAndArchive(), check::kFailed);
    EXPECT_NE(said.find(": the folder holds two files of one kind, a.fkw and b.fkw."), std::string::npos) << said;
}

}  // namespace
}  // namespace klarvo::test
