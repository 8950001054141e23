// The report of a check for people: the sample export's page against its golden file, and the
// check started from the desktop, where the report is written beside the files, opened, and what
// the check comes to is shown in a message box.

#include <gtest/gtest.h>

#include <sstream>

#include "check/check_command.h"
#include "check/paths.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

using check::Language;

// 11.12.2026, 10:30, the clock the golden page was written by.
std::tm CheckedOn() {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 11;
    time.tm_hour = 10;
    time.tm_min = 30;
    return time;
}

// The desktop as a test sees it: the boxes shown and the pages opened.
struct SeenDesktop {
    std::vector<std::pair<std::string, bool>> boxes;
    std::vector<std::filesystem::path> pages;

    check::Desktop Desktop() {
        return {[this](const std::string& text, bool failed) { boxes.emplace_back(text, failed); },
                [this](const std::filesystem::path& page) { pages.push_back(page); }};
    }
};

class CheckReport : public ::testing::Test {
protected:
    CheckReport() : company("number\n1\n", "number\nFV/1\n") {
        company.Write("!Fs_pln.fkw", Golden("sample/!Fs_pln.fkw"));
        company.Write("!Konta.fkx", Golden("sample/!Konta.fkx"));
    }

    int Run(std::vector<std::string> arguments, Language language, std::optional<check::Desktop> desktop = {}) {
        return check::RunCheck(std::move(arguments), language, {out, err, {}, desktop, CheckedOn});
    }

    // The text with the company's folder shown as "FOLDER/", as the golden page has it.
    std::string Placeless(std::string text) const {
        const std::string folder = check::Shown(company.Folder() / "");
        for (std::size_t at; (at = text.find(folder)) != std::string::npos;) text.replace(at, folder.size(), "FOLDER/");
        return text;
    }

    TestCompany company;
    std::ostringstream out, err;
};

TEST_F(CheckReport, OfTheSampleExportIsItsGoldenPage) {
    const std::filesystem::path page = company.Folder() / "raport.html";
    EXPECT_EQ(Run({check::Shown(company.Folder()), "--report", check::Shown(page)}, Language::Polish), check::kSound);
    EXPECT_EQ(Placeless(company.Read("raport.html")), Golden("check/report_pl.html"));
    EXPECT_NE(out.str().find("Raport: " + check::Shown(page) + "\n"), std::string::npos) << out.str();
}

TEST_F(CheckReport, ThatCannotBeWrittenIsAFailureNamingIt) {
    const std::filesystem::path page = company.Folder() / "brak" / "raport.html";
    EXPECT_EQ(Run({check::Shown(company.Folder()), "--report", check::Shown(page)}, Language::Polish), check::kFailed);
    EXPECT_EQ(err.str(), "klarvo-check: " + check::Shown(page) + ": nie można zapisać raportu (błąd odczytu albo zapisu dysku)\n");
}

TEST_F(CheckReport, FromTheDesktopIsWrittenBesideTheFilesOpenedAndItsVerdictShown) {
    SeenDesktop desktop;
    EXPECT_EQ(Run({check::Shown(company.Folder())}, Language::Polish, desktop.Desktop()), check::kSound);
    const std::filesystem::path page = company.Folder() / "Raport kontroli eksportu.html";
    EXPECT_TRUE(company.Has("Raport kontroli eksportu.html"));
    EXPECT_EQ(desktop.pages, std::vector<std::filesystem::path>{check::PathOf(check::Shown(page))});
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_FALSE(desktop.boxes[0].second);
    EXPECT_EQ(Placeless(desktop.boxes[0].first),
              "Nie znaleziono błędów; przed importem przejrzyj 1 uwagę.\n\n"
              "Daty dokumentów: 02.01.2024–25.03.2024 (eksport z dnia 02.04.2024). Dokumenty: 28, księgowania: 84, "
              "kontrahenci: 10, Wn: 71\u00A0558,88, Ma: 71\u00A0558,88, błędy: 0, uwagi: 1.\n\n"
              "Raport zapisano w pliku FOLDER/Raport kontroli eksportu.html.");
}

TEST_F(CheckReport, FromTheDesktopWithNoArgumentChecksTheWorkingFolder) {
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(company.Folder());
    SeenDesktop desktop;
    const int exitCode = Run({}, Language::English, desktop.Desktop());
    std::filesystem::current_path(before);
    EXPECT_EQ(exitCode, check::kSound);
    EXPECT_TRUE(company.Has("Export check report.html"));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_TRUE(desktop.boxes[0].first.starts_with("No findings; look at 1 note before the import.")) << desktop.boxes[0].first;
}

TEST_F(CheckReport, FromTheDesktopTellsWhatStoppedTheCheckInABox) {
    std::filesystem::remove(company.Folder() / "!Fs_pln.fkw");
    SeenDesktop desktop;
    EXPECT_EQ(Run({check::Shown(company.Folder())}, Language::Polish, desktop.Desktop()), check::kFailed);
    EXPECT_TRUE(desktop.pages.empty());
    EXPECT_EQ(desktop.boxes, (std::vector<std::pair<std::string, bool>>{
                                 {"klarvo-check: " + check::Shown(company.Folder()) + ": w folderze nie ma pliku !Fs_pln.fkw\n", true}}));
    EXPECT_EQ(err.str(), "");
}

TEST_F(CheckReport, OfFilesWithFindingsSaysNotToImportThem) {
    company.Write("!Fs_pln.fkw", Replaced(Golden("sample/!Fs_pln.fkw"), "  2080.01", "  2080.02"));
    SeenDesktop desktop;
    EXPECT_EQ(Run({check::Shown(company.Folder())}, Language::Polish, desktop.Desktop()), check::kFindings);
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_TRUE(desktop.boxes[0].second);
    EXPECT_TRUE(desktop.boxes[0].first.starts_with("Nie importuj tych plików: kontrola wykazała 1 błąd.")) << desktop.boxes[0].first;
    const std::string page = company.Read("Raport kontroli eksportu.html");
    EXPECT_NE(page.find("<p class=\"verdict findings\">Nie importuj tych plików: kontrola wykazała 1 błąd.</p>"), std::string::npos);
    EXPECT_NE(page.find("suma Wn 2558,41, suma Ma 2558,42 (różnica 0,01)"), std::string::npos);
}

}  // namespace
}  // namespace klarvo::test
