// klarvo-check on sound and damaged Teta files.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

#include "check/table.h"
#include "check/teta_check.h"
#include "check/teta_records.h"
#include "src/host/mazovia.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

check::CheckResult Check(const std::string& registerBytes, const std::string& accountsBytes) {
    check::CheckSetup setup;
    setup.firstPlaces = SIZE_MAX;
    return check::CheckTetaBytes(registerBytes, accountsBytes, setup);
}

std::vector<std::string> Described(const std::vector<check::FindingGroup>& groups) {
    std::vector<std::string> texts;
    for (const check::FindingGroup& group : groups)
        for (const check::Finding& finding : group.first) texts.push_back(check::Describe(finding));
    return texts;
}

std::vector<std::string> Faults(const check::CheckResult& result) { return Described(result.findings.Faults()); }
std::vector<std::string> Notes(const check::CheckResult& result) { return Described(result.findings.Notes()); }

TEST(TetaCheck, TheSampleExportIsSoundAndAddsUp) {
    const check::CheckResult result = Check(Golden("sample/!Fs_pln.fkw"), Golden("sample/!Konta.fkx"));
    EXPECT_EQ(Faults(result), std::vector<std::string>{});
    EXPECT_EQ(result.salesRegister.runDate, "2024-04-02");
    EXPECT_EQ(result.salesRegister.documents, 28);
    EXPECT_EQ(result.salesRegister.postings, 84);
    EXPECT_EQ(result.salesRegister.debit, 7155888);
    EXPECT_EQ(result.salesRegister.credit, 7155888);
    EXPECT_EQ(result.accounts.customers, 10);
    EXPECT_EQ(result.salesRegister.firstDate, "2024-01-02");
    EXPECT_EQ(result.salesRegister.lastDate, "2024-03-25");
    // Its one posting to customer 0 is a note, not a finding.
    EXPECT_NE(::testing::PrintToString(Notes(result)).find("(customer 0)"), std::string::npos);
}

struct Damage {
    const char* name;
    bool inRegister;
    std::function<std::string(std::string)> damage;
    const char* finding;
};

class DamagedFiles : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedFiles, AreNamedByFileLineAndField) {
    std::string salesRegister = Golden("sample/!Fs_pln.fkw"), accounts = Golden("sample/!Konta.fkx");
    std::string& damaged = GetParam().inRegister ? salesRegister : accounts;
    damaged = GetParam().damage(damaged);
    const std::vector<std::string> faults = Faults(Check(salesRegister, accounts));
    EXPECT_NE(std::find(faults.begin(), faults.end(), GetParam().finding), faults.end())
        << ::testing::PrintToString(faults);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedFiles,
    ::testing::Values(
        Damage{"ShiftedField", true, [](std::string b) { return Replaced(b, "Netto■", "Net■to■"); },
               "!Fs_pln.fkw, line 3: the line has 30 fields, each followed by the separator, where a posting record has 29"},
        Damage{"MissingSeparator", true, [](std::string b) { return Replaced(b, "■PLN■", "■PLN"); },
               "!Fs_pln.fkw, line 2: the line has 28 fields, each followed by the separator, where a posting record has 29"},
        Damage{"UnterminatedLastField", true, [](std::string b) { return Replaced(b, "■\r\n", "\r\n", "Netto"); },
               "!Fs_pln.fkw, line 3: the line has 28 fields, each followed by the separator, where a posting record has 29"},
        Damage{"LongAccount", true, [](std::string b) { return Replaced(b, "731-1          ■", "731-1-2-3-4-5-6■"); },
               "!Fs_pln.fkw, line 3, field 1 (account): not an account of 1 to 12 characters padded to 15"},
        Damage{"LongDescription", true, [](std::string b) { return Replaced(b, "Netto■", "Netto ze sprzedaży towarów i usług■"); },
               "!Fs_pln.fkw, line 3, field 10 (description): a description longer than 30 characters"},
        Damage{"OtherRegister", true, [](std::string b) { return Replaced(b, "N|2200 ", "N|2201 "); },
               "!Fs_pln.fkw, line 3, field 8 (register token): neither 7 blanks nor a letter and \"|2200 \""},
        Damage{"UnbalancedDocument", true, [](std::string b) { return Replaced(b, "  2080.01", "  2080.02"); },
               "!Fs_pln.fkw, line 2: document FV/1/2024 of 2024-01-11: debits 2558.41, credits 2558.42 (difference 0.01)"},
        Damage{"BadDate", true, [](std::string b) { return Replaced(b, "■2024-01-11■", "■2024-02-30■"); },
               "!Fs_pln.fkw, line 2, field 5 (document date): not a real date YYYY-MM-DD"},
        Damage{"BadAmount", true, [](std::string b) { return Replaced(b, "  2558.41", " 2558,41 "); },
               "!Fs_pln.fkw, line 2, field 2 (debit): not an amount written with \"%9.2f\""},
        Damage{"ChangedConstant", true, [](std::string b) { return Replaced(b, "■PLN■", "■EUR■"); },
               "!Fs_pln.fkw, line 2, field 13 (13): not the constant \"PLN\""},
        Damage{"TokenWithoutCredit", true, [](std::string b) { return Replaced(b, "■       ■", "■S|2200 ■"); },
               "!Fs_pln.fkw, line 2, field 8 (register token): a register token on a posting without a credit amount"},
        Damage{"StrangeByte", true, [](std::string b) { return Replaced(b, "Netto■", std::string("Ne\x01to■")); },
               "!Fs_pln.fkw, line 3, field 10 (description): a control character (0x01) at character 3: not allowed in a text"},
        Damage{"BareLineEnd", true, [](std::string b) { return Replaced(b, "■\r\n", "■\n", "Netto"); },
               "!Fs_pln.fkw, line 3: the line ends with LF alone, not CR LF"},
        Damage{"BadHeader", true, [](std::string b) { return Replaced(b, "SP■", "SR■"); },
               "!Fs_pln.fkw, line 1: the header line is not \"SP■    ■YYYY-MM-DD■\" with a real date"},
        Damage{"DuplicateCustomer", false,
               [](std::string b) {
                   const std::size_t line = b.find("\r\n") + 2;
                   return b + b.substr(line, b.find("\r\n", line) + 2 - line);
               },
               "!Konta.fkx, line 12, field 2 (customer number): customer 1 has a second record"},
        Damage{"NarrowField", false, [](std::string b) { return Replaced(b, "   Kraków", "  Kraków"); },
               "!Konta.fkx, line 2, field 6 (city): the field has 24 characters where it should have 25"},
        Damage{"FieldTooFew", false, [](std::string b) { return Replaced(b, "Ź5000.00Ź", "5000.00Ź"); },
               "!Konta.fkx, line 2: the line has 11 fields, each after the separator Ź, where a customer account record has 12"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TetaCheck, ListsCustomersWhoseAddressCouldNotBeSplitWithoutFailing) {
    const check::CheckResult result = Check(
        Golden("sample/!Fs_pln.fkw"),
        Replaced(Golden("sample/!Konta.fkx"), "Ź21-010Ź                   Łęczna", "Ź      Ź                         "));
    EXPECT_EQ(Faults(result), std::vector<std::string>{});
    const std::vector<std::string> notes = Notes(result);
    EXPECT_NE(std::find(notes.begin(), notes.end(),
                        "!Konta.fkx, line 6, field 5 (postcode): customer 42 (Meblex Łęczna): the address could not be "
                        "split into postcode, city and street"),
              notes.end())
        << ::testing::PrintToString(notes);
}

TEST(TetaCheck, EmptyFilesHaveNoHeaderLine) {
    EXPECT_EQ(Faults(Check("", "")), (std::vector<std::string>{"!Konta.fkx: the file is empty: it has no header line",
                                                               "!Fs_pln.fkw: the file is empty: it has no header line"}));
}

}  // namespace
}  // namespace klarvo::test

namespace klarvo::test {
namespace {

std::string SampleRegister() { return Golden("sample/!Fs_pln.fkw"); }
std::string SampleAccounts() { return Golden("sample/!Konta.fkx"); }

bool Says(const std::vector<std::string>& texts, const std::string& part) {
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& text) { return text.find(part) != std::string::npos; });
}

struct CrossCase {
    const char* name;
    std::function<std::string(std::string)> registerDamage, accountsDamage;
    bool fault;  // a finding, else a note
    const char* says;
};

class CrossChecks : public ::testing::TestWithParam<CrossCase> {};

TEST_P(CrossChecks, HoldTheFilesAgainstEachOther) {
    const CrossCase& c = GetParam();
    const check::CheckResult result = Check(c.registerDamage(SampleRegister()), c.accountsDamage(SampleAccounts()));
    EXPECT_TRUE(Says(c.fault ? Faults(result) : Notes(result), c.says))
        << ::testing::PrintToString(Faults(result)) << ::testing::PrintToString(Notes(result));
}

std::string Same(std::string bytes) { return bytes; }

INSTANTIATE_TEST_SUITE_P(
    Check, CrossChecks,
    ::testing::Values(
        CrossCase{"PostingOfACustomerWithoutRecord", [](std::string b) { return Replaced(b, "201-0001 ", "201-0099 "); },
                  Same, true,
                  "field 1 (account): a posting to 201-0099 (customer 99): the customer accounts file holds no record"},
        CrossCase{"PostingOfCustomerZero", Same, Same, false,
                  "a posting to 201-0000 (customer 0): no customer of the host has this number"},
        CrossCase{"NameThatFillsItsField", Same,
                  [](std::string b) {
                      return Replaced(b, "                             Piekarnia Złoty Kłos Sp. z o.o.",
                                      "Piekarnia Złoty Kłos i S-ka Spółka Komandytowa we Wrocławiu.");
                  },
                  false, "customer 1 (Piekarnia Złoty Kłos i S-ka Spółka Komandytowa we Wrocławiu.): the name fills all 60"},
        CrossCase{"CityWithAStreetMarker", Same,
                  [](std::string b) { return Replaced(b, "                   Kraków", "      Kraków, ul. Długa 1"); }, false,
                  "the city \"Kraków, ul. Długa 1\" holds a street marker or a comma"},
        CrossCase{"AccountOfTwelveCharacters", [](std::string b) { return Replaced(b, "731-1          ", "731-1-000001   "); },
                  Same, false, "the account 731-1-000001 fills all 12 characters and may have been cut"},
        CrossCase{"CharacterNamed", [](std::string b) { return Replaced(b, "Netto■", "Netü■"); }, Same, true,
                  "ü (0x81) at character 4: a character not allowed (neither a Polish letter nor ASCII)"},
        CrossCase{"SwappedFiles", [](std::string) { return SampleAccounts(); }, [](std::string) { return SampleRegister(); },
                  true, "!Konta.fkx: the sales register file was given where the customer accounts file belongs"},
        CrossCase{"ForeignFile", [](std::string) { return std::string("Hello\r\nworld\r\n"); }, Same, true,
                  "!Fs_pln.fkw: this is no Teta sales register file"},
        CrossCase{"LineWithoutEnd", [](std::string b) { return b + std::string(70000, 'x'); }, Same, true,
                  "a line longer than 65536 bytes: the file is not read further"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Check, AForeignFileIsOneFindingNotOnePerLine) {
    std::string lines;
    for (int i = 0; i < 1000; ++i) lines += "not a Teta line\r\n";
    const check::CheckResult result = Check(lines, SampleAccounts());
    EXPECT_EQ(result.findings.FaultCount(), 1);
}

TEST(Check, OneRuleBrokenOnEveryLineIsToldOnceWithItsFirstFivePlaces) {
    std::string bytes = SampleRegister();
    for (std::size_t at; (at = bytes.find("\xFEPLN\xFE")) != std::string::npos;) bytes.replace(at, 5, "\xFE" "EUR\xFE");
    const check::CheckResult result = check::CheckTetaBytes(bytes, SampleAccounts());
    ASSERT_EQ(result.findings.Faults().size(), 1u);
    EXPECT_EQ(result.findings.Faults()[0].rule, "not the constant \"PLN\"");
    EXPECT_EQ(result.findings.Faults()[0].count, 84);
    EXPECT_EQ(result.findings.Faults()[0].first.size(), 5u);
}

struct TemplateCase {
    const char* account;
    std::vector<std::string> templates;
    std::optional<std::int32_t> customer;
};

class CustomerAccounts : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(CustomerAccounts, AreFoundWhereTheTemplatesKStood) {
    EXPECT_EQ(check::CustomerOfAccount(GetParam().account, {GetParam().templates}), GetParam().customer);
}

INSTANTIATE_TEST_SUITE_P(
    Check, CustomerAccounts,
    ::testing::Values(TemplateCase{"201-0042", {"201-K"}, 42}, TemplateCase{"201--007", {"201-K"}, -7},
                      TemplateCase{"201-12345", {"201-K"}, 12345}, TemplateCase{"731-1", {"201-K"}, std::nullopt},
                      TemplateCase{"0042-201", {"K-201"}, 42}, TemplateCase{"202-0042-1", {"201-K", "202-K-1"}, 42},
                      TemplateCase{"202-12345-10", {"202-K-100"}, 12345},  // the template's end was cut to 12
                      TemplateCase{"201-00042", {"201-K"}, std::nullopt}));

TEST(Check, ASchemeIsReadFromTheHostsConfiguration) {
    const TestCompany company("number\n1\n", "number\nFV/1\n");
    company.Write("config.ini", "[ToburDekrSpr]\nDekret_0 = 3,0,\"202-K\",\"\",\"Sprzedaż\",\"\",1\n"
                                "Dekret_1 = 0,1,\"\",\"731-1\",\"Netto\",\"\",0\n");
    const check::PostingScheme scheme = check::ReadPostingScheme(company.Folder() / "config.ini");
    EXPECT_EQ(check::TemplatesOf(scheme).templates, std::vector<std::string>{"202-K"});
    ASSERT_EQ(scheme.entries.size(), 2u);
    EXPECT_EQ(scheme.entries[1].creditCode, 1);
    EXPECT_EQ(scheme.entries[1].creditAccount, "731-1");
    EXPECT_EQ(scheme.entries[1].description, "Netto");
    company.Write("config.ini", "[Inne]\nA = 1\n");
    EXPECT_EQ(check::TemplatesOf(check::ReadPostingScheme(company.Folder() / "config.ini")).templates,
              std::vector<std::string>{"201-K"});
}

TEST(Check, ADocumentOfAnEarlierExportIsFoundAgainAndAChangedCustomerNoted) {
    const TestCompany earlier("number\n1\n", "number\nFV/1\n");
    earlier.Write("!Fs_pln.fkw", SampleRegister());
    earlier.Write("!Konta.fkx", Replaced(SampleAccounts(), "Kraków", "Krakow"));
    const check::History history = check::ReadHistory({check::FilesOfExport(earlier.Folder())});
    EXPECT_EQ(history.documents.size(), 28u);
    check::CheckSetup setup;
    setup.history = &history;
    const check::CheckResult result = check::CheckTetaBytes(SampleRegister(), SampleAccounts(), setup);
    ASSERT_TRUE(result.findings.Any(check::FindingKind::Repeats));
    EXPECT_TRUE(Says(Described(result.findings.Faults()), "document FV/1/2024 of 2024-01-11 is in an earlier export already"));
    EXPECT_TRUE(Says(Described(result.findings.Notes()), "customer 1: the account record differs from the one exported before"));
}

TEST(Check, AFolderGivenAsAFileIsADirectory) {
    const TestCompany company("number\n1\n", "number\nFV/1\n");
    EXPECT_THROW(
        {
            try {
                check::OpenTetaFile(company.Folder());
            } catch (const std::runtime_error& error) {
                EXPECT_NE(std::string(error.what()).find("is a directory"), std::string::npos);
                throw;
            }
        },
        std::runtime_error);
}

TEST(Check, TablesForASpreadsheetUseSemicolonsAndDecimalCommas) {
    std::ostringstream out;
    check::TableWriter table(out, check::TableForm::Excel, check::ListingColumns(check::TetaRecord::Posting), check::Language::English);
    table.Write({"201-0001", "123.40", "0.00", "FV/1;A", "2024-01-02", "2024-01-16", "", "Sprzedaż"_mz});
    EXPECT_EQ(out.str(), "\xEF\xBB\xBF" "account;debit;credit;document;date;due date;token;description\r\n"
                         "201-0001;123,40;0,00;\"FV/1;A\";2024-01-02;2024-01-16;;Sprzedaż\r\n");
}

}  // namespace
}  // namespace klarvo::test
