// Amounts are booked in whole grosze, half a grosz away from zero, whatever C runtime the host's
// printf belongs to; the user is told of every amount that held a fraction of a grosz.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "src/export/grosz_amount.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

struct Rounding {
    std::int64_t tenThousandths;  // as the host holds the amount
    std::int64_t grosze;          // as the files book it
    bool rounded;
};

class AnAmountOfTheHost : public ::testing::TestWithParam<Rounding> {};

// The written value is the double nearest to the whole grosze: every printf writes it alike.
TEST_P(AnAmountOfTheHost, IsBookedInWholeGrosze) {
    const Rounding& r = GetParam();
    const exporting::GroszAmount amount = exporting::InWholeGrosze(static_cast<double>(r.tenThousandths) / 10000.0);
    // Stored, so that no excess precision of the x87 unit (i686) stays in the value compared.
    const volatile double nearest = static_cast<double>(r.grosze) / 100.0;
    EXPECT_EQ(amount.value, nearest);
    EXPECT_EQ(amount.rounded, r.rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Grosze, AnAmountOfTheHost,
    ::testing::Values(Rounding{1234500, 12345, false}, Rounding{-1234500, -12345, false}, Rounding{0, 0, false},
                      // Half a grosz: away from zero, where glibc's printf would write the even grosz.
                      Rounding{1250, 13, true}, Rounding{-1250, -13, true}, Rounding{3750, 38, true},
                      // Half a grosz that a double holds a little below it (2.675, 1000.005).
                      Rounding{26750, 268, true}, Rounding{10000050, 100001, true},
                      Rounding{49, 0, true}, Rounding{50, 1, true}, Rounding{-50, -1, true}, Rounding{1, 0, true},
                      Rounding{12345678901234, 123456789012, true}, Rounding{1000000000000000, 10000000000000, false}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(AnAmountOfTheHost, CloseToZeroKeepsItsSign) {
    EXPECT_TRUE(std::signbit(exporting::InWholeGrosze(-0.00001).value));
    EXPECT_FALSE(std::signbit(exporting::InWholeGrosze(0.00001).value));
}

// An export whose invoices and customers hold fractions of a grosz: the files book whole grosze
// (the documents then balance), and the user is told where before the summary.
TEST(AnExport, BooksWholeGroszeAndTellsWhatItRounded) {
    const TestCompany company("number,name,credit_limit,discount\n1,Jeden,1000.125,2.5\n2,Dwa,500,12.3456\n",
                              "number,date,customer,amount_1,amount_2,amount_3\n"
                              "FV/1,2024-01-10,1,0.1,0.025,0.125\n"
                              "FV/2,2024-01-11,2,2.1,0.575,2.675\n"
                              "FV/3,2024-01-12,1,1000,0.005,1000.005\n");
    sim::HostOptions options = January();
    options.today = "20240201";
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_TRUE(outcome.balanceFindings.empty());
    EXPECT_EQ(company.Read("!Fs_pln.fkw"), Golden("register_in_whole_grosze.fkw"));
    EXPECT_EQ(company.Read("!Konta.fkx"), Golden("accounts_in_whole_grosze.fkx"));
    ASSERT_EQ(outcome.messages.size(), 2u);
    EXPECT_EQ(outcome.messages[0].text,
              "Kwoty z ułamkami grosza zaokrąglono do pełnych groszy w 6 księgowaniach pliku !Fs_pln.fkw\n"
              "(pierwsze: dokument \"FV/1\", 0,1250 zapisano jako 0,13). Dokument może się przez to nie bilansować.\n"
              "Kwoty z więcej niż dwoma miejscami po przecinku zaokrąglono w danych 2 kontrahentów w pliku !Konta.fkx\n"
              "(np. kontrahent 1, pole \"limit kredytu\": 1000,1250 zapisano jako 1000,13).\n"
              "Sprawdź te dane przed importem do systemu Teta.");
}

}  // namespace
}  // namespace klarvo::test
