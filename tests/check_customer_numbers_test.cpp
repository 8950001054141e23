// The numbers of customer records that the books rely on: NIP and NRB check digits, computed here
// from their published rules, a bank field split where the bank's name held a digit, and customers
// that the cut of an account template put on one account.

#include <gtest/gtest.h>

#include "check/teta_check.h"
#include "checkdigits/polish_check_digits.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

// NIP: the weights 6 5 7 2 3 4 5 6 7 of the first nine digits, summed modulo 11, give the tenth.
std::string WithNipCheckDigit(const std::string& nine) {
    const int weights[] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    int sum = 0;
    for (int k = 0; k < 9; ++k) sum += weights[k] * (nine[k] - '0');
    return sum % 11 == 10 ? "" : nine + std::to_string(sum % 11);
}

// NRB: the account's 24 digits, then P=25, L=21 and 00, modulo 97; the check digits are 98 less it.
// Long division in chunks of seven digits, as the IBAN standard shows it done by hand.
std::string WithNrbCheckDigits(const std::string& account) {
    const std::string number = account + "252100";
    long long rest = 0;
    for (std::size_t at = 0; at < number.size(); at += 7) {
        const std::string chunk = number.substr(at, 7);
        rest = std::stoll(std::to_string(rest) + chunk) % 97;
    }
    const long long check = 98 - rest;
    return (check < 10 ? "0" : "") + std::to_string(check) + account;
}

TEST(CheckDigits, PublishedNumbersPass) {
    EXPECT_TRUE(checkdigits::IsValidNip("1234563218"));                    // the tax office's own example
    EXPECT_TRUE(checkdigits::IsValidNrb("61109010140000071219812874"));  // the IBAN registry's Polish example
    EXPECT_FALSE(checkdigits::IsValidNip("1234563219"));
    EXPECT_FALSE(checkdigits::IsValidNrb("62109010140000071219812874"));
    EXPECT_EQ(checkdigits::DigitsOf("123-456-32 18"), "1234563218");
    EXPECT_EQ(checkdigits::DigitsOf("PL1234563218"), std::nullopt);
}

// Every number made from the rules passes, and each one with any single digit changed fails.
TEST(CheckDigits, NumbersOfTheRulesPassAndEveryMistypedDigitFails) {
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        std::string nine = std::to_string(100000000 + seed * 2654435761u % 900000000), account;
        for (int k = 0; k < 3; ++k) account += std::to_string(10000000 + (seed * 40503u + k * 7919u) % 90000000);
        const std::string nip = WithNipCheckDigit(nine), nrb = WithNrbCheckDigits(account);
        EXPECT_EQ(checkdigits::NipCheckDigit(nine), nip.empty() ? std::nullopt : std::optional<char>(nip.back())) << nine;
        EXPECT_EQ(checkdigits::NrbCheckDigits(account), nrb.substr(0, 2)) << account;
        for (const auto& [number, valid] : {std::pair{nip, &checkdigits::IsValidNip}, std::pair{nrb, &checkdigits::IsValidNrb}}) {
            if (number.empty()) continue;
            EXPECT_TRUE(valid(number)) << number;
            for (std::size_t at = 0; at < number.size(); ++at)
                for (char digit = '0'; digit <= '9'; ++digit) {
                    if (digit == number[at]) continue;
                    std::string mistyped = number;
                    mistyped[at] = digit;
                    EXPECT_FALSE(valid(mistyped)) << mistyped;
                }
        }
    }
}

std::vector<std::string> NotesOf(const check::CheckResult& result, check::Text rule) {
    std::vector<std::string> notes;
    for (const check::FindingGroup& group : result.findings.Notes())
        if (group.rule == check::Say(check::Language::Polish, rule))
            for (const check::Finding& finding : group.first) notes.push_back(finding.text);
    return notes;
}

check::CheckResult CheckInPolish(const TestCompany& company) {
    check::CheckSetup setup;
    setup.language = check::Language::Polish;
    if (company.Has("config.ini")) setup.scheme = check::ReadPostingScheme(company.Folder() / "config.ini");
    return check::CheckTetaBytes(company.Read("!Fs_pln.fkw"), company.Read("!Konta.fkx"), setup);
}

// Before, each of these passed without a word.
TEST(CustomerNumbers, ThatFailTheirChecksAreNotesNamingTheCustomer) {
    const TestCompany company(
        "number,name,tax_id,bank_account\n"
        "1,Zła Cyfra,123-456-32-19,mBank 62 1090 1014 0000 0712 1981 2874\n"
        "2,Dobra Firma,PL1234563218,PKO BP 61 1090 1014 0000 0712 1981 2874\n"
        "3,Bank z cyfrą,,Bank Spółdzielczy w Kielcach Oddział 2 78 1240 1037 1111 0010 1234 5678\n"
        "4,Obca Firma,DE129273398,\n",
        "number,date,customer,amount_1,amount_2,amount_3\n"
        "FV/1,2024-01-10,1,100,23,123\nFV/2,2024-01-11,2,100,23,123\nFV/3,2024-01-12,3,100,23,123\n"
        "FV/4,2024-01-13,4,100,23,123\n");
    RunExport(company, January());
    const check::CheckResult result = CheckInPolish(company);
    EXPECT_EQ(result.findings.FaultCount(), 0);
    EXPECT_EQ(NotesOf(result, check::Text::TaxIdRule),
              std::vector<std::string>{"kontrahent 1 (Zła Cyfra): NIP 123-456-32-19 jest niepoprawny (NIP ma 10 cyfr, "
                                       "ostatnia jest cyfrą kontrolną); popraw go w programie"});
    EXPECT_EQ(NotesOf(result, check::Text::BankAccountRule),
              std::vector<std::string>{"kontrahent 1 (Zła Cyfra): numer rachunku 62109010140000071219812874 ma błędne "
                                       "cyfry kontrolne; popraw go w programie"});
    EXPECT_EQ(NotesOf(result, check::Text::BankDigitsRule),
              std::vector<std::string>{"kontrahent 3 (Bank z cyfrą): numer rachunku „278124010371111001012345678” ma "
                                       "27 cyfr, a nie 26: nazwa banku może zawierać cyfrę albo numer wpisano z błędem"});
    EXPECT_EQ(NotesOf(result, check::Text::BankNameRule),
              std::vector<std::string>{"kontrahent 3 (Bank z cyfrą): nazwa banku „Bank Spółdzielczy w Kielcach O” "
                                       "zajmuje całe pole (30 znaków) i mogła zostać ucięta w środku wyrazu"});
}

// The template 201-0001-K is one character too long: customers 1 to 3 land on 201-0001-000.
// Before, the check passed with three notes blaming two different exports.
TEST(CustomerNumbers, CustomersMergedByTheCutAreAFindingNamingThem) {
    const TestCompany company("number,name\n1,Jeden\n2,Dwa\n3,Trzy\n10,Dziesięć\n",
                              "number,date,customer,amount_1,amount_2,amount_3\n"
                              "FV/1,2024-01-10,1,100,23,123\nFV/2,2024-01-11,2,100,23,123\nFV/3,2024-01-12,3,100,23,123\n"
                              "FV/4,2024-01-13,10,100,23,123\n");
    StoreInvoiceScheme(company, {{0, "3,0,\"201-0001-K\",\"\",\"Sprzedaż\",\"\",1"},
                                 {1, "0,1,\"\",\"731-1\",\"\",\"Netto\",2"},
                                 {2, "0,2,\"\",\"221-2\",\"\",\"VAT\",3"}});
    RunExport(company, January());
    const check::CheckResult result = CheckInPolish(company);
    ASSERT_EQ(result.findings.Faults().size(), 1u);
    const check::FindingGroup& merged = result.findings.Faults().front();
    EXPECT_EQ(merged.rule, "kontrahenci połączeni na jednym koncie przez skrócenie konta do 12 znaków");
    // Customer 10 alone has a code that begins 001: its account is cut, but it is its own.
    ASSERT_EQ(merged.first.size(), 1u);
    EXPECT_EQ(merged.first[0].text, "konto 201-0001-000 to szablon 201-0001-K skrócony do 12 znaków: trafiają na nie "
                                    "księgowania kontrahentów 1, 2, 3, a Teta zaksięguje je jak jednego kontrahenta. "
                                    "Skróć szablon konta w schemacie dekretu i powtórz eksport");
    EXPECT_EQ(NotesOf(result, check::Text::UnbookedAccountRule), std::vector<std::string>{});
}

}  // namespace
}  // namespace klarvo::test
