// klarvo-check on sound and damaged Teta files.

#include <gtest/gtest.h>

#include <functional>

#include "host/mazovia.h"
#include "teta_check.h"
#include "test_company.h"

namespace klarvo::test {
namespace {

check::CheckResult Check(const std::string& registerBytes, const std::string& accountsBytes) {
    return check::CheckTetaFiles({"!Fs_pln.fkw", "!Konta.fkx", registerBytes, accountsBytes});
}

std::vector<std::string> Faults(const check::CheckResult& result) {
    std::vector<std::string> texts;
    for (const check::Finding& finding : result.findings.faults) texts.push_back(check::Describe(finding));
    return texts;
}

// Replaces the first occurrence of `from` (Mazovia, given in UTF-8) after `after`.
std::string Replaced(std::string bytes, const std::string& from, const std::string& to, const std::string& after = "") {
    const std::size_t start = bytes.find(mazovia::FromUtf8(after));
    const std::size_t at = bytes.find(mazovia::FromUtf8(from), start == std::string::npos ? 0 : start);
    EXPECT_NE(at, std::string::npos) << from;
    return bytes.replace(at, mazovia::FromUtf8(from).size(), mazovia::FromUtf8(to));
}

TEST(TetaCheck, TheSampleExportIsSoundAndAddsUp) {
    const check::CheckResult result = Check(Golden("sample/!Fs_pln.fkw"), Golden("sample/!Konta.fkx"));
    EXPECT_EQ(Faults(result), std::vector<std::string>{});
    EXPECT_EQ(result.salesRegister.runDate, "2024-04-02");
    EXPECT_EQ(result.salesRegister.documents, 28);
    EXPECT_EQ(result.salesRegister.postings.rows.size(), 84u);
    EXPECT_EQ(result.salesRegister.debit, 7155888);
    EXPECT_EQ(result.salesRegister.credit, 7155888);
    EXPECT_EQ(result.accounts.customers.rows.size(), 10u);
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
               "!Fs_pln.fkw, line 3: 30 fields, each followed by the separator, where a posting record has 29"},
        Damage{"MissingSeparator", true, [](std::string b) { return Replaced(b, "■PLN■", "■PLN"); },
               "!Fs_pln.fkw, line 2: 28 fields, each followed by the separator, where a posting record has 29"},
        Damage{"UnbalancedDocument", true, [](std::string b) { return Replaced(b, "  2080.01", "  2080.02"); },
               "!Fs_pln.fkw, line 2: document FV/1/2024 of 2024-01-11: debits 2558.41 and credits 2558.42 differ"},
        Damage{"BadDate", true, [](std::string b) { return Replaced(b, "■2024-01-11■", "■2024-02-30■"); },
               "!Fs_pln.fkw, line 2, field 5 (document date): not a real date YYYY-MM-DD"},
        Damage{"BadAmount", true, [](std::string b) { return Replaced(b, "  2558.41", " 2558,41 "); },
               "!Fs_pln.fkw, line 2, field 2 (debit): not an amount written with \"%9.2f\""},
        Damage{"ChangedConstant", true, [](std::string b) { return Replaced(b, "■PLN■", "■EUR■"); },
               "!Fs_pln.fkw, line 2, field 13 (13): not the constant \"PLN\""},
        Damage{"TokenWithoutCredit", true, [](std::string b) { return Replaced(b, "■       ■", "■S|2200 ■"); },
               "!Fs_pln.fkw, line 2, field 8 (register token): a register token on a posting without a credit amount"},
        Damage{"StrangeByte", true, [](std::string b) { return Replaced(b, "Netto■", std::string("Ne\x01to■")); },
               "!Fs_pln.fkw, line 3, field 10 (description): byte 0x01 at character 3 is no letter or sign of Polish text"},
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
               "!Konta.fkx, line 2, field 6 (city): 24 characters where the field has 25"},
        Damage{"FieldTooFew", false, [](std::string b) { return Replaced(b, "Ź5000.00Ź", "5000.00Ź"); },
               "!Konta.fkx, line 2: 11 fields, each after the separator Ź, where a customer account record has 12"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TetaCheck, ListsCustomersWhoseAddressCouldNotBeSplitWithoutFailing) {
    const check::CheckResult result = Check(
        Golden("sample/!Fs_pln.fkw"),
        Replaced(Golden("sample/!Konta.fkx"), "Ź21-010Ź                   Łęczna", "Ź      Ź                         "));
    EXPECT_TRUE(result.findings.faults.empty());
    ASSERT_EQ(result.findings.notes.size(), 1u);
    EXPECT_EQ(check::Describe(result.findings.notes[0]),
              "!Konta.fkx, line 6, field 5 to 7 (address): customer 42 (Meblex Łęczna): the address could not be "
              "split into postcode, city and street");
}

TEST(TetaCheck, EmptyFilesHaveNoHeaderLine) {
    EXPECT_EQ(Faults(Check("", "")), (std::vector<std::string>{"!Fs_pln.fkw: the file is empty: it has no header line",
                                                               "!Konta.fkx: the file is empty: it has no header line"}));
}

}  // namespace
}  // namespace klarvo::test
