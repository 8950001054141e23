// Posting lines made from one entry of the loaded scheme.

#include <gtest/gtest.h>

#include <cstring>

#include "src/posting/posting_line.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

using host::PostingSchemeEntry;

class PostingLines : public PluginTest {
protected:
    PostingLines() {
        for (int c = 0; c < 32; ++c) amounts[c] = (c + 1) * 10000.0;  // amount c is worth c currency units
    }

    // Builds the line of an entry put into slot 0 of the host's buffer.
    bool Build(const PostingSchemeEntry& entry, const char* customerCode = "0042") {
        host->posting.schemeBuffer[0] = entry;
        return posting::BuildPostingLine(0, amounts, line, customerCode);
    }

    double amounts[34] = {};
    posting::PostingLine line;
};

struct AccountCase {
    const char* accountTemplate;
    const char* customerCode;
    const char* account;
};

class AccountTemplates : public PostingLines, public ::testing::WithParamInterface<AccountCase> {};

TEST_P(AccountTemplates, TheFirstUpperCaseKBecomesTheCustomerCode) {
    const AccountCase& c = GetParam();
    ASSERT_FALSE(Build(SchemeEntry(1, c.accountTemplate, 1, c.accountTemplate), c.customerCode));
    EXPECT_STREQ(line.debitAccount, c.account);
    EXPECT_STREQ(line.creditAccount, c.account);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, AccountTemplates,
    ::testing::Values(AccountCase{"201-K", "0042", "201-0042"}, AccountCase{"K", "0042", "0042"},
                      AccountCase{"K-201", "0042", "0042-201"}, AccountCase{"201-KK", "0042", "201-0042K"},
                      AccountCase{"201-k", "0042", "201-k"}, AccountCase{"201-K", "0000", "201-0000"},
                      AccountCase{"201-K", "-007", "201--007"}, AccountCase{"2010-1234K", "0042", "2010-1234004"},
                      AccountCase{"201-K", "-65999", "201--65999"}, AccountCase{"731-1", "0042", "731-1"}));

struct AmountCase {
    std::int16_t debitCode;
    std::int16_t creditCode;
    double amount;
};

class AmountCodes : public PostingLines, public ::testing::WithParamInterface<AmountCase> {};

TEST_P(AmountCodes, PickTheDocumentAmountWithTheCreditSideWinning) {
    ASSERT_FALSE(Build(SchemeEntry(GetParam().debitCode, "201-K", GetParam().creditCode, "731-1")));
    EXPECT_EQ(line.amount, GetParam().amount);
}

INSTANTIATE_TEST_SUITE_P(Codes, AmountCodes,
                         ::testing::Values(AmountCase{7, 0, 7}, AmountCase{8, 0, 8}, AmountCase{9, 0, 9},
                                           AmountCase{10, 0, 10}, AmountCase{32, 0, 32}, AmountCase{33, 0, 0},
                                           AmountCase{-1, 0, 0}, AmountCase{1, 2, 2}, AmountCase{3, 33, 3},
                                           AmountCase{3, -1, 3}, AmountCase{0, 28, 28}));

TEST_F(PostingLines, ASideWithoutAnAccountNeverSuppliesTheAmount) {
    ASSERT_FALSE(Build(SchemeEntry(3, "", 1, "731-1")));
    EXPECT_EQ(line.amount, 1);
    line = {};
    ASSERT_FALSE(Build(SchemeEntry(3, "", 0, "731-1")));
    EXPECT_EQ(line.amount, 0);
    line = {};
    ASSERT_FALSE(Build(SchemeEntry(3, "201-K", 1, "")));
    EXPECT_EQ(line.amount, 3);
}

TEST_F(PostingLines, ARawCreditAmountOfZeroLeavesTheDebitAmount) {
    amounts[0] = 0;
    amounts[2] = -1234500;
    ASSERT_FALSE(Build(SchemeEntry(3, "201-K", 1, "731-1")));
    EXPECT_DOUBLE_EQ(line.amount, -123.45);
}

TEST_F(PostingLines, DescriptionAndShortCodeAreCut) {
    const std::string description = "Sprzedaz towarow i uslug, pozycja numer 1 i 2";
    ASSERT_FALSE(Build(SchemeEntry(1, "201-K", 0, "", description.substr(0, 40), "ABCDEFGHIJ")));
    EXPECT_EQ(std::string(line.description), description.substr(0, 30));
    EXPECT_STREQ(line.shortCode, "ABC");
}

TEST_F(PostingLines, AnEntryWithBothAmountCodesZeroEndsTheSchemeAndLeavesTheLine) {
    std::strcpy(line.debitAccount, "keep");
    EXPECT_TRUE(Build(SchemeEntry(0, "201-K", 0, "731-1", "Filled anyway")));
    EXPECT_STREQ(line.debitAccount, "keep");
    EXPECT_STREQ(line.description, "");
}

}  // namespace
}  // namespace klarvo::test
