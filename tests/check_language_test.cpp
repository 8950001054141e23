// klarvo-check in the user's language: every text in both, the language from the system or from
// --lang, and the same findings said in each.

#include <gtest/gtest.h>

#include <sstream>

#include "check/check_command.h"
#include "check/messages.h"
#include "check/paths.h"
#include "src/host/mazovia.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

using check::Language;

struct Said {
    int exitCode;
    std::string out, err;
};

// klarvo-check run on a company folder; the folder's place is shown as "FOLDER/", so that the
// report is the same on every machine and target.
Said RunCheck(const TestCompany& company, std::vector<std::string> arguments, Language userLanguage) {
    std::ostringstream out, err;
    arguments.insert(arguments.begin(), check::Shown(company.Folder()));
    const int exitCode = check::RunCheck(arguments, userLanguage, {out, err});
    const auto placeless = [&](std::string text) {
        const std::string folder = check::Shown(company.Folder() / "");
        for (std::size_t at; (at = text.find(folder)) != std::string::npos;) text.replace(at, folder.size(), "FOLDER/");
        return text;
    };
    return {exitCode, placeless(out.str()), placeless(err.str())};
}

class CheckLanguage : public ::testing::Test {
protected:
    CheckLanguage() : company("number\n1\n", "number\nFV/1\n") {
        company.Write("!Fs_pln.fkw", Golden("sample/!Fs_pln.fkw"));
        company.Write("!Konta.fkx", Golden("sample/!Konta.fkx"));
    }

    TestCompany company;
};

TEST(CheckTexts, EveryTextIsSaidInBothLanguagesWithAllItsArguments) {
    // Texts that are the same words in both languages.
    const std::set<check::Text> same = {check::Text::FieldBank, check::Text::ColumnVat};
    const std::vector<std::string> arguments = {"«1»", "«2»", "«3»", "«4»", "«5»", "«6»", "«7»", "«8»", "«9»", "«10»"};
    for (std::size_t i = 0; i < static_cast<std::size_t>(check::Text::Count); ++i) {
        const auto text = static_cast<check::Text>(i);
        const std::string english = check::Say(Language::English, {text, arguments});
        const std::string polish = check::Say(Language::Polish, {text, arguments});
        std::string letters = std::string(check::Wording(Language::English, text));
        for (const std::string_view argument : {"{1}", "{2}", "{3}", "{4}", "{5}", "{6}", "{7}", "{8}", "{9}", "{10}"})
            for (std::size_t at; (at = letters.find(argument)) != std::string::npos;) letters.erase(at, argument.size());
        const bool words = letters.find_first_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos;
        EXPECT_TRUE(english != polish || !words || same.count(text)) << "text " << i << " is English in Polish: " << english;
        for (const std::string& argument : arguments)
            EXPECT_EQ(english.find(argument) == std::string::npos, polish.find(argument) == std::string::npos)
                << "text " << i << ", " << argument << ": " << english << " / " << polish;
    }
}

struct NumberCase {
    Language language;
    std::int64_t hundredths;
    const char* amount;
    const char* date;
};

class Numbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(Numbers, AreWrittenAsTheirReaderWritesThem) {
    EXPECT_EQ(check::Amount(GetParam().language, GetParam().hundredths), GetParam().amount);
    EXPECT_EQ(check::Date(GetParam().language, "2024-01-02"), GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(
    CheckTexts, Numbers,
    ::testing::Values(NumberCase{Language::English, 7155888, "71558.88", "2024-01-02"},
                      NumberCase{Language::Polish, 7155888, "71\u00A0558,88", "02.01.2024"},
                      NumberCase{Language::Polish, 123456, "1234,56", "02.01.2024"},
                      NumberCase{Language::Polish, -100000005, "-1\u00A0000\u00A0000,05", "02.01.2024"},
                      NumberCase{Language::English, -5, "-0.05", "2024-01-02"}));

struct LocaleCase {
    const char *lcAll, *lcMessages, *lang;
    Language language;
};

class Locales : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(Locales, ChooseTheLanguageAsTheCLibraryWould) {
    EXPECT_EQ(check::LanguageOfLocale(GetParam().lcAll, GetParam().lcMessages, GetParam().lang), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    CheckTexts, Locales,
    ::testing::Values(LocaleCase{nullptr, nullptr, "pl_PL.UTF-8", Language::Polish},
                      LocaleCase{nullptr, nullptr, "en_GB.UTF-8", Language::English},
                      LocaleCase{nullptr, nullptr, nullptr, Language::English},
                      LocaleCase{"C", nullptr, "pl_PL.UTF-8", Language::English},
                      LocaleCase{"", "pl_PL", "en_US.UTF-8", Language::Polish},
                      LocaleCase{nullptr, "de_DE.UTF-8", "pl_PL.UTF-8", Language::English}));

TEST_F(CheckLanguage, TheSampleExportIsReportedInTheUsersLanguage) {
    for (const auto& [language, golden] : {std::pair{Language::English, "check/sample_en.txt"},
                                           std::pair{Language::Polish, "check/sample_pl.txt"}}) {
        const Said said = RunCheck(company, {}, language);
        EXPECT_EQ(said.exitCode, check::kSound);
        EXPECT_EQ(said.out, Golden(golden));
        EXPECT_EQ(said.err, "");
    }
}

TEST_F(CheckLanguage, LangOverridesTheUsersLanguageForTheReportAndTheHelp) {
    EXPECT_EQ(RunCheck(company, {"--lang", "en"}, Language::Polish).out, Golden("check/sample_en.txt"));
    EXPECT_EQ(RunCheck(company, {"--lang=pl"}, Language::English).out, Golden("check/sample_pl.txt"));
    EXPECT_NE(RunCheck(company, {"--lang", "pl", "--help"}, Language::English).out.find("Użycie: klarvo-check [Opcje] PLIKI"),
              std::string::npos);
    const Said unknown = RunCheck(company, {"--lang", "de"}, Language::Polish);
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.starts_with("klarvo-check: --lang: niedozwolona wartość; dozwolone podaje --help\n"))
        << unknown.err;
}

TEST_F(CheckLanguage, ADamagedRegisterIsReportedInBothLanguages) {
    std::string damaged = Golden("sample/!Fs_pln.fkw");
    damaged.replace(damaged.find("  2080.01"), 9, "  2080.02");
    damaged.replace(damaged.find("\xFEPLN\xFE"), 5, "\xFE" "EUR\xFE");
    company.Write("!Fs_pln.fkw", damaged);
    const Said english = RunCheck(company, {}, Language::English), polish = RunCheck(company, {}, Language::Polish);
    EXPECT_EQ(english.exitCode, check::kFindings);
    EXPECT_EQ(polish.exitCode, check::kFindings);
    for (const char* line : {
             "Findings, to mend before the import (2):\n",
             "  not the constant \"PLN\" (1)\n",
             "    FOLDER/!Fs_pln.fkw, line 2, field 13 (13): not the constant \"PLN\"\n",
             "    FOLDER/!Fs_pln.fkw, line 2: document FV/1/2024 of 2024-01-11: debits 2558.41, credits 2558.42 (difference 0.01)\n",
         })
        EXPECT_NE(english.out.find(line), std::string::npos) << line << english.out;
    for (const char* line : {
             "Błędy do poprawienia przed importem (2):\n",
             "  pole powinno zawierać stałą „PLN” (1)\n",
             "    FOLDER/!Fs_pln.fkw, wiersz 2, pole 13 (13): pole powinno zawierać stałą „PLN”\n",
             "    FOLDER/!Fs_pln.fkw, wiersz 2: dokument FV/1/2024 z dnia 11.01.2024: suma Wn 2558,41, suma Ma 2558,42 (różnica 0,01)\n",
         })
        EXPECT_NE(polish.out.find(line), std::string::npos) << line << polish.out;
}

TEST_F(CheckLanguage, ARepeatedDocumentIsReportedInBothLanguages) {
    std::filesystem::create_directory(company.Folder() / "earlier");
    company.Write("earlier/!Fs_pln.fkw", Golden("sample/!Fs_pln.fkw"));
    const std::vector<std::string> history = {"--history", check::Shown(company.Folder() / "earlier")};
    const Said english = RunCheck(company, history, Language::English), polish = RunCheck(company, history, Language::Polish);
    EXPECT_EQ(english.exitCode, check::kFindings);
    EXPECT_EQ(polish.exitCode, check::kFindings);
    EXPECT_NE(english.out.find(("  a document that an earlier export holds already (28)\n    FOLDER/!Fs_pln.fkw, "
                                            "line 2: document FV/1/2024 of 2024-01-11 is in an earlier export already "
                                            "(FOLDER/earlier): importing it again books it twice\n")),
              std::string::npos)
        << english.out;
    EXPECT_NE(polish.out.find(("  dokument, który jest już we wcześniejszym eksporcie (28)\n    FOLDER/!Fs_pln.fkw, "
                                           "wiersz 2: dokument FV/1/2024 z dnia 11.01.2024 jest już we wcześniejszym eksporcie "
                                           "(FOLDER/earlier): ponowny import zaksięguje go drugi raz\n")),
              std::string::npos)
        << polish.out;
}

// CSV is for programs: the same bytes whatever the user's language; the spreadsheet, for people,
// speaks the user's language.
TEST_F(CheckLanguage, CsvIsTheSameInEveryLanguageAndTheSpreadsheetIsNot) {
    for (const char* table : {"register", "accounts"}) {
        const Said polish = RunCheck(company, {"--csv", "--table", table}, Language::Polish),
                   english = RunCheck(company, {"--csv", "--table", table}, Language::English);
        EXPECT_EQ(polish.out, english.out) << table;
        EXPECT_NE(polish.err, english.err) << table;
    }
    EXPECT_TRUE(RunCheck(company, {"--csv", "--table", "register"}, Language::Polish)
                    .out.starts_with("account,debit,credit,document,date,due_date,token,description\r\n"));
    EXPECT_TRUE(RunCheck(company, {"--csv", "--table", "accounts"}, Language::Polish)
                    .out.starts_with("customer,short_name,name,postcode,city,street,bank,bank_account,tax_id,"
                                     "credit_limit,discount\r\n"));
    EXPECT_TRUE(RunCheck(company, {"--excel", "--table", "register"}, Language::Polish)
                    .out.starts_with("\xEF\xBB\xBFkonto;Wn;Ma;dokument;data;termin płatności;znacznik;opis\r\n"));
}

// The aligned tables are for people: amounts and dates as the reader writes them; CSV keeps the
// files' own.
TEST_F(CheckLanguage, ShownTablesWriteAmountsAndDatesAsTheReaderDoes) {
    const std::string polish = RunCheck(company, {"--show"}, Language::Polish).out;
    EXPECT_NE(polish.find("5000,00        2,50"), std::string::npos) << polish;
    EXPECT_NE(polish.find("201-0003      2558,41       0,00          FV/1/2024         11.01.2024  11.01.2024"),
              std::string::npos)
        << polish;
    const std::string english = RunCheck(company, {"--show"}, Language::English).out;
    EXPECT_NE(english.find("201-0003      2558.41       0.00          FV/1/2024         2024-01-11  2024-01-11"),
              std::string::npos)
        << english;
    EXPECT_NE(RunCheck(company, {"--csv"}, Language::Polish).out.find("201-0003,2558.41,0.00,FV/1/2024,2024-01-11,"),
              std::string::npos);
}

TEST_F(CheckLanguage, AFileThatCannotBeReadIsToldInTheUsersLanguage) {
    std::filesystem::remove(company.Folder() / "!Konta.fkx");
    const Said polish = RunCheck(company, {}, Language::Polish);
    EXPECT_EQ(polish.exitCode, check::kFailed);
    EXPECT_EQ(polish.err, "klarvo-check: " + check::Shown(company.Folder()) + ": w folderze nie ma pliku !Konta.fkx\n");
}

// What the user typed wrong, told as what to do: the arguments after the company folder, and the
// start of the error.
struct Mistake {
    const char* name;
    std::vector<std::string> arguments;
    std::string told;
};

class CommandLineMistakes : public CheckLanguage, public ::testing::WithParamInterface<Mistake> {};

TEST_P(CommandLineMistakes, AreToldInPolishAsWhatToDo) {
    company.Write("jeden.txt", "");
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments)
        if (argument.starts_with("FOLDER/")) argument = check::Shown(company.Folder() / argument.substr(7));
    const Said said = RunCheck(company, arguments, Language::Polish);
    EXPECT_EQ(said.exitCode, check::kFailed);
    EXPECT_TRUE(said.err.starts_with("klarvo-check: " + GetParam().told)) << said.err;
}

INSTANTIATE_TEST_SUITE_P(
    CheckLanguage, CommandLineMistakes,
    ::testing::Values(Mistake{"ThreeFiles", {"b", "c"}, "Za dużo plików: podaj folder firmy albo dwa pliki."},
                      Mistake{"UnknownOption", {"--arhive", "x"}, "nieznana opcja: --arhive"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckFolders, ThatCannotBeCheckedAreToldWhy) {
    const TestCompany company("number\n1\n", "number\nFV/1\n");
    company.Write("jeden.txt", "");
    for (const auto& [given, told] : {std::pair{company.Folder() / "brak", ": nie ma takiego pliku ani folderu\n"},
                                      std::pair{company.Folder() / "jeden.txt", ": podano jeden plik; podaj folder firmy albo oba pliki\n"},
                                      std::pair{company.Folder(), ": w folderze nie ma pliku !Fs_pln.fkw\n"}}) {
        std::ostringstream out, err;
        EXPECT_EQ(check::RunCheck({check::Shown(given)}, Language::Polish, {out, err}), check::kFailed);
        EXPECT_EQ(err.str(), "klarvo-check: " + check::Shown(given) + told);
    }
}

TEST(CheckPaths, AreShownWithTheSystemsOwnSeparator) {
    const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_EQ(check::Shown(check::PathOf("../kc/s") / "!Fs_pln.fkw"), ".." + separator + "kc" + separator + "s" + separator + "!Fs_pln.fkw");
    EXPECT_EQ(check::Shown(check::PathOf("Łódź/żółw")), "Łódź" + separator + "żółw");
}

}  // namespace
}  // namespace klarvo::test
