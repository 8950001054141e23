// Posting records of the sales register file.

#include <gtest/gtest.h>

#include <cstring>

#include "src/export/sales_register.h"
#include "src/services/files.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

const char* const kCustomers = "number,name\n42,Firma\n-7,Jan Kowalski\n";

// The posting records of the register file, each split into its fields (the header left out).
std::vector<std::vector<std::string>> PostingRecords(const TestCompany& company) {
    std::vector<std::string> lines = SplitAt(company.Read("!Fs_pln.fkw"), "\r\n");
    EXPECT_EQ(lines.back(), "");
    std::vector<std::vector<std::string>> records;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        records.push_back(SplitAt(lines[i], "\xFE"));
        EXPECT_EQ(records.back().size(), 30u) << lines[i];  // 29 fields, each followed by the separator
        EXPECT_EQ(records.back().back(), "") << lines[i];
    }
    return records;
}

TEST(SalesRegister, TheDefaultSchemeBooksGrossNetAndVat) {
    const TestCompany company(kCustomers,
                              "number,date,customer,amount_1,amount_2,amount_3\n"
                              "FV/42/2024,2024-03-07,42,100.00,23.00,123.00\n");
    sim::HostOptions options = Year2024();
    options.today = "20240307";
    const ExportOutcome outcome = RunExport(company, options);
    EXPECT_TRUE(outcome.violations.empty());
    EXPECT_EQ(company.Read("!Fs_pln.fkw"), Golden("register_example.fkw"));
    EXPECT_TRUE(outcome.balanceFindings.empty());
}

struct DueDateCase {
    const char* date;
    int paymentDays;
    const char* documentDate;
    const char* dueDate;
};

class DueDates : public ::testing::TestWithParam<DueDateCase> {};

TEST_P(DueDates, FollowThePositivePaymentTermsOnly) {
    const DueDateCase& c = GetParam();
    const TestCompany company(kCustomers, std::string("number,date,payment_days,customer,amount_3\nFV/1,") + c.date +
                                              "," + std::to_string(c.paymentDays) + ",42,1\n");
    RunExport(company, Year2024());
    const auto records = PostingRecords(company);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][4], c.documentDate);
    EXPECT_EQ(records[0][5], c.dueDate);
    EXPECT_EQ(records[0][6], c.documentDate);
    EXPECT_EQ(records[0][8], c.documentDate);
}

INSTANTIATE_TEST_SUITE_P(Terms, DueDates,
                         ::testing::Values(DueDateCase{"2024-01-10", 0, "2024-01-10", "2024-01-10"},
                                           DueDateCase{"2024-01-10", -5, "2024-01-10", "2024-01-10"},
                                           DueDateCase{"2024-01-25", 14, "2024-01-25", "2024-02-08"},
                                           DueDateCase{"2024-02-20", 14, "2024-02-20", "2024-03-05"},
                                           DueDateCase{"2024-12-25", 14, "2024-12-25", "2025-01-08"}));

struct AmountCase {
    double amount;
    bool posted;
    const char* written;
};

class LineAmounts : public ::testing::TestWithParam<AmountCase> {};

TEST_P(LineAmounts, AreWrittenWhenNotCloseToZeroWithSignAndFullWidth) {
    const AmountCase& c = GetParam();
    EXPECT_EQ(exporting::IsPosted(c.amount), c.posted);
    if (!c.posted) return;
    const TestCompany company(kCustomers, "number\nFV/1\n");
    sim::HostOptions options;
    options.company = company.Folder();
    LinkedHost host(options);
    posting::PostingLine line;
    std::strcpy(line.debitAccount, "201-0042");
    line.amount = c.amount;
    exporting::OutputFile file;
    file.open.Take(services::OpenOutputFile("record.fkw"));
    exporting::WritePostingRecord(file, line, {"FV/1", {{"2024-01-02"}, {"2024-01-03"}}});
    ASSERT_TRUE(services::CloseFile(file.open.Release()));
    const std::vector<std::string> fields = SplitAt(company.Read("record.fkw"), "\xFE");
    ASSERT_EQ(fields.size(), 30u);
    EXPECT_EQ(fields[1], c.written);
    EXPECT_EQ(fields[2], "     0.00");
}

INSTANTIATE_TEST_SUITE_P(Amounts, LineAmounts,
                         ::testing::Values(AmountCase{0.00001, true, "     0.00"},
                                           AmountCase{-0.00001, true, "    -0.00"},
                                           AmountCase{0.0000099, false, ""}, AmountCase{-0.0000099, false, ""},
                                           AmountCase{0.0, false, ""}, AmountCase{-123.4, true, "  -123.40"},
                                           AmountCase{1000000.0, true, "1000000.00"},
                                           AmountCase{-12345678.9, true, "-12345678.90"}));

TEST(SalesRegister, TheSchemeEndsAtItsFirstEmptyEntry) {
    const TestCompany company(kCustomers, "number,date,customer,amount_1,amount_2,amount_3\nFV/1,2024-01-02,-7,1,2,3\n");
    StoreInvoiceScheme(company, {{0, "3,0,\"201-K\",\"\",\"Sprzedaż\",\"\",1"},
                                 {2, "0,1,\"\",\"731-1\",\"\",\"\",3"}});
    const ExportOutcome outcome = RunExport(company, Year2024());
    const auto records = PostingRecords(company);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][0], "201--007       ");
    EXPECT_EQ(outcome.balanceFindings, std::vector<std::string>{"!Fs_pln.fkw, line 2: document FV/1 of 2024-01-02: "
                                                                "debits 3.00, credits 0.00 (difference 3.00)"});
    EXPECT_EQ(records[0][1], "     3.00");
    EXPECT_EQ(outcome.messages.size(), 1u);
}

TEST(SalesRegister, AStoredSchemeOfEmptyEntriesWritesNoPostingButCountsTheDocument) {
    const TestCompany company(kCustomers, "number,date,customer,amount_3\nFV/1,2024-01-02,42,3\n");
    StoreInvoiceScheme(company, {});
    const ExportOutcome outcome = RunExport(company, Year2024());
    EXPECT_TRUE(PostingRecords(company).empty());
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_NE(outcome.messages[0].text.find("sprzedaży:     1"), std::string::npos);
}

TEST(SalesRegister, TokensFollowTheCreditSideAndTheDescription) {
    const TestCompany company(kCustomers, "number,date,customer,amount_1,amount_2\nFV/1,2024-01-02,42,1,2\n");
    StoreInvoiceScheme(company, {{0, "1,0,\"201-K\",\"\",\"Należność\",\"\",1"},
                                 {1, "0,2,\"\",\"731-1\",\"\",\"\",2"},
                                 {2, "1,2,\"100\",\"200\",\"Życie\",\"\",3"}});
    RunExport(company, Year2024());
    const auto records = PostingRecords(company);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0][7], "       ");
    EXPECT_EQ(records[1][7], "       ");
    EXPECT_EQ(records[2][7], "\xA1|2200 ");  // Ż in Mazovia
    EXPECT_EQ(records[2][0], "100            ");
    EXPECT_EQ(records[2][1], "     2.00");
    EXPECT_EQ(records[2][2], "     2.00");
}

TEST(SalesRegister, SeparatorsAndLineBreaksInTextsBecomeBlanks) {
    const TestCompany company(kCustomers, "number,date,customer,amount_3\n\"FV■1\r\n2\",2024-01-02,42,3\n");
    StoreInvoiceScheme(company, {{0, "3,0,\"20■-K\",\"\",\"■Opis■\",\"\",1"}});
    const ExportOutcome outcome = RunExport(company, Year2024());
    EXPECT_TRUE(outcome.violations.empty());
    const auto records = PostingRecords(company);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][0], "20 -0042       ");
    EXPECT_EQ(records[0][3], "FV 1  2");
    EXPECT_EQ(records[0][9], " Opis ");
}

}  // namespace
}  // namespace klarvo::test
