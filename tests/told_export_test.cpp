// What an export tells the user before an import: what it had to shorten, and a stored posting
// scheme that cannot be read; and that a scheme with texts the stored form cannot hold is stored
// so that it reads back.

#include <gtest/gtest.h>

#include "tests/test_company.h"

namespace klarvo::test {
namespace {

const char* const kSummary =
    "Ilość wyeksportowanych faktur sprzedaży:     1\nIlość wyeksportowanych korekt sprzedaży:     0\n";

std::vector<std::string> Texts(const ExportOutcome& outcome) {
    std::vector<std::string> texts;
    for (const sim::Message& message : outcome.messages) texts.push_back(message.text);
    return texts;
}

// A posting-scheme entry typed into the editor and confirmed, from the range form's " Ko~n~fig".
sim::HostOptions StoringEntry(int index, const host::PostingSchemeEntry& entry) {
    sim::HostOptions options;
    options.form.cancel = true;
    options.form.configPresses = {sim::SchemeEditorVisit{{sim::SchemeEdit{index, entry}}, false}};
    return options;
}

struct CutCase {
    const char* name;
    std::string customers;
    int schemeEntry;  // replaced in the stored scheme before the export; -1 for the defaults
    host::PostingSchemeEntry entry;
    std::string told;  // the message before the summary; empty when nothing was cut
};

class Cuts : public ::testing::TestWithParam<CutCase> {};

TEST_P(Cuts, AreToldBeforeTheSummaryAndTheFilesKeepTheirWidths) {
    const CutCase& c = GetParam();
    const TestCompany company(c.customers, "number,date,customer,amount_1,amount_2,amount_3\n"
                                           "FV/1,2024-01-10,1,100,23,123\n");
    if (c.schemeEntry >= 0) RunExport(company, StoringEntry(c.schemeEntry, c.entry));
    const ExportOutcome outcome = RunExport(company, January());
    EXPECT_TRUE(outcome.violations.empty());
    std::vector<std::string> expected = {kSummary};
    if (!c.told.empty()) expected.insert(expected.begin(), c.told);
    EXPECT_EQ(Texts(outcome), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Export, Cuts,
    ::testing::Values(
        CutCase{"NothingCut", "number,name,address\n1,Firma,\"ul. Polna 7, 00-950 Warszawa\"\n", -1, {}, ""},
        CutCase{"AccountOfThirteenCharacters", "number,name\n1,Firma\n", 0, SchemeEntry(3, "201-0001-K", 0, "", "Sprzedaż"),
                "W 1 księgowaniu konto skrócono do 12 znaków (pierwsze: pozycja Dekret_0,\n"
                "\"201-0001-0001\" zapisano jako \"201-0001-000\"). Konta w pliku różnią się od kont ze schematu.\n"
                "Nie importuj tych plików do systemu Teta: skróć szablon konta w schemacie dekretu\n"
                "(przycisk Konfig) tak, aby konto miało najwyżej 12 znaków, i powtórz eksport."},
        CutCase{"StreetLongerThanItsField",
                "number,name,address\n1,Firma,\"ul. Krakowskie Przedmieście 26/28, 00-927 Warszawa\"\n", -1, {},
                "Dane 1 kontrahenta nie zmieściły się w polach pliku !Konta.fkx i zostały skrócone\n"
                "(np. kontrahent 1, pole \"ulica\": \"ul. Krakowskie Przedmieście 26/28\" zapisano jako "
                "\"ul. Krakowskie Przedmieście 26/2\").\nSprawdź te dane przed importem do systemu Teta."},
        CutCase{"SeparatorInAName", "number,name\n1,\"Źródło\nWody\"\n", -1, {},
                "Znak Ź zastąpiono literą Z, a koniec wiersza odstępem w danych 1 kontrahenta w pliku !Konta.fkx\n"
                "(np. kontrahent 1, pole \"nazwa\": \"Źródło[koniec wiersza]Wody\" zapisano jako \"Zródło Wody\").\n"
                "Sprawdź te dane przed importem do systemu Teta."},
        CutCase{"BankNumberKeepsItsDigitsWithoutBlanks",
                "number,name,bank_account\n1,Firma,PKO BP 12 1020 2892 0000 5102 0012 3456\n", -1, {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The account template of the customers' postings is one character too long: the cut drops the
// last digit of the customer's code, and customers 1 and 2 are booked on one account.
TEST(Export, CustomersMergedByTheCutAreNamedAndTheFilesAreNotToBeImported) {
    const TestCompany company("number,name\n1,Firma\n2,Inna\n", "number,date,customer,amount_1,amount_2,amount_3\n"
                                                                "FV/1,2024-01-10,1,100,23,123\nFV/2,2024-01-11,2,100,23,123\n");
    RunExport(company, StoringEntry(0, SchemeEntry(3, "201-0001-K", 0, "", "Sprzedaż")));
    const ExportOutcome outcome = RunExport(company, January());
    ASSERT_EQ(outcome.messages.size(), 2u);
    EXPECT_EQ(outcome.messages[0].text,
              "W 2 księgowaniach konto skrócono do 12 znaków (pierwsze: pozycja Dekret_0,\n"
              "\"201-0001-0001\" zapisano jako \"201-0001-000\"). Konta w pliku różnią się od kont ze schematu.\n"
              "Różne konta stały się jednym kontem, więc różni kontrahenci mają teraz wspólne konto\n"
              "(np. \"201-0001-0001\" i \"201-0001-0002\" zapisano jako \"201-0001-000\").\n"
              "Nie importuj tych plików do systemu Teta: skróć szablon konta w schemacie dekretu\n"
              "(przycisk Konfig) tak, aby konto miało najwyżej 12 znaków, i powtórz eksport.");
}

TEST(Export, ALineBreakInADocumentNumberIsToldAndTheRecordStaysOneLine) {
    const TestCompany company("number\n1\n", "number,date,customer,amount_1,amount_2,amount_3\n"
                                             "\"FV/1\n2024\",2024-01-10,1,100,23,123\n");
    const ExportOutcome outcome = RunExport(company, January());
    EXPECT_EQ(Texts(outcome), (std::vector<std::string>{
                                  "Znak ■ lub koniec wiersza w tekście zastąpiono odstępem w 3 księgowaniach pliku "
                                  "!Fs_pln.fkw\n(pierwsze: dokument \"FV/1 2024\").\n"
                                  "Sprawdź te dane przed importem do systemu Teta.",
                                  kSummary}));
    EXPECT_TRUE(outcome.balanceFindings.empty());
}

// The numbers of undated documents are quoted on one line, whatever they hold.
TEST(Export, UndatedDocumentsAreNamedOnOneLine) {
    const TestCompany company("number\n1\n", "number,date,customer,amount_1,amount_2,amount_3\n"
                                             "\"FV/1\n2024\",,1,100,23,123\nFV/2,,1,1,0,1\n");
    const ExportOutcome outcome = RunExport(company, January());
    ASSERT_EQ(outcome.messages.size(), 2u);
    EXPECT_EQ(outcome.messages[1].text, "Pominięto 2 faktury bez daty (\"FV/1[koniec wiersza]2024\", \"FV/2\").\n"
                                        "Faktura bez daty nie trafia do żadnego eksportu: uzupełnij ich daty w programie i "
                                        "powtórz eksport.");
}

TEST(StoredSchemes, AQuotedDescriptionIsStoredSoThatTheExportBalances) {
    const TestCompany company("number\n1\n", "number,date,customer,amount_1,amount_2,amount_3\n"
                                             "FV/1,2024-01-10,1,100,23,123\n");
    const ExportOutcome stored = RunExport(company, StoringEntry(2, SchemeEntry(0, "", 2, "221-2", "Vat\",\"x")));
    ASSERT_EQ(Texts(stored).size(), 1u);
    EXPECT_NE(Texts(stored)[0].find("w pozycji Dekret_2 zamieniono znaki"), std::string::npos) << Texts(stored)[0];
    const ExportOutcome exported = RunExport(company, January());
    EXPECT_EQ(Texts(exported), std::vector<std::string>{kSummary});
    EXPECT_TRUE(exported.balanceFindings.empty());
    EXPECT_NE(company.Read("!Fs_pln.fkw").find("Vat','x"), std::string::npos);
}

TEST(StoredSchemes, AnEntryThatCannotBeReadStopsTheExportWithNoFileWritten) {
    const TestCompany company("number\n1\n", "number,date,customer,amount_3\nFV/1,2024-01-10,1,123\n");
    RunExport(company, StoringEntry(1, SchemeEntry(0, "", 1, "731-1", "Netto")));
    std::string ini = company.Read("config.ini");
    ini.replace(ini.find("Dekret_2 = "), 11, "Dekret_2 = 0,2,\"221-2\",\"Va");
    company.Write("config.ini", ini);
    const ExportOutcome outcome = RunExport(company, January());
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_EQ(Texts(outcome), std::vector<std::string>{
                                  "Schemat dekretu faktur sprzedaży: nie można odczytać pozycji Dekret_2.\n"
                                  "Eksport przerwano, nie zapisano żadnego pliku.\n"
                                  "Jeśli w folderze są pliki !Fs_pln.fkw i !Konta.fkx, pochodzą one z wcześniejszego eksportu:\n"
                                  "nie importuj ich do systemu Teta. Otwórz edytor schematu przyciskiem Konfig,\n"
                                  "uzupełnij pustą pozycję i zatwierdź schemat."});
    EXPECT_FALSE(company.Has("!Fs_pln.fkw"));
    EXPECT_FALSE(company.Has("!Konta.fkx"));
}

}  // namespace
}  // namespace klarvo::test
