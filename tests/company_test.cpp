// The simulator's company folder: what it loads, and how it rejects what it cannot.

#include <gtest/gtest.h>

#include "hostsim/company/company.h"
#include "src/host/mazovia.h"
#include "src/host/records.h"
#include "tests/test_company.h"

namespace klarvo::sim {
namespace {

using test::TestCompany;

TEST(CompanyFolder, LoadsRecordsAtTheirOffsets) {
    const TestCompany folder("number,name,credit_limit\n-12,Łukasz Żak,1234.5\n",
                             "number,date,payment_days,customer,amount_3\nFV/1,2024-02-29,-5,-12,123.4567\n");
    const Company company = LoadCompany(folder.Folder());
    ASSERT_EQ(company.customers.size(), 1u);
    const char* customer = company.customers[0].data();
    EXPECT_STREQ(host::TextField(customer, host::k4::kName), "Łukasz Żak"_mz);
    EXPECT_EQ(host::ReadField<std::int32_t>(customer, host::k4::kNumber), -12);
    EXPECT_EQ(host::ReadField<double>(customer, host::k4::kCreditLimit), 1234.5);
    EXPECT_EQ(company.customerByNumber.at(-12), 0u);
    ASSERT_EQ(company.documents.size(), 1u);
    std::vector<char> record(host::tspr::kRecordLength, 'x');
    company.documents[0].PutInto(record.data());
    const char* document = record.data();
    EXPECT_STREQ(host::TextField(document, host::tspr::kNumber), "FV/1");
    EXPECT_EQ(document[host::tspr::kNumber.offset + host::tspr::kNumber.room - 1], '\0');  // the number's room is cleared to its end
    EXPECT_STREQ(host::TextField(document, host::tspr::kDate), "20240229");
    EXPECT_EQ(host::ReadField<std::int16_t>(document, host::tspr::kPaymentDays), -5);
    EXPECT_EQ(host::ReadField<std::int32_t>(document, host::tspr::kCustomer), -12);
    EXPECT_EQ(host::ReadField<std::int32_t>(document, host::tspr::kIncluded), 1);
    EXPECT_EQ(company.documents[0].amounts[2], 1234567.0);
    EXPECT_EQ(company.documents[0].amounts[0], 0.0);
}

struct RejectCase {
    std::string customers;
    std::string documents;
    std::string message;
};

class RejectedCompany : public ::testing::TestWithParam<RejectCase> {};

TEST_P(RejectedCompany, NamesFileLineAndColumn) {
    const TestCompany folder(GetParam().customers, GetParam().documents);
    try {
        LoadCompany(folder.Folder());
        FAIL() << "loaded";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos)
            << std::string(error.what()).substr(0, 300);
        // A value is quoted by its first 40 characters, never whole.
        EXPECT_LT(std::string(error.what()).size(), 300u);
    }
}

const std::string kMegabyteName = "number,name\n1," + std::string(1 << 20, 'x') + "\n";

const char* const kCustomers = "number\n1\n";
const char* const kDocuments = "number\nFV/1\n";

INSTANTIATE_TEST_SUITE_P(
    CompanyFolder, RejectedCompany,
    ::testing::Values(
        RejectCase{"number,colour\n1,red\n", kDocuments, "customers.csv, line 1: unknown column \"colour\""},
        RejectCase{"name\nX\n", kDocuments, "customers.csv, line 1: the required column \"number\" is missing"},
        RejectCase{"number\n1\n1\n", kDocuments, "customers.csv, line 3, column number: customer 1 is there twice"},
        RejectCase{"number\n0\n", kDocuments, "customers.csv, line 2, column number"},
        RejectCase{"number\n4294967296\n", kDocuments, "does not fit the record field"},
        RejectCase{"number,short_name\n1,Przedsiębiorstwo ABC\n", kDocuments, "column short_name"},
        RejectCase{"number,name\n1,€uro\n", kDocuments, "U+20AC, a character that the Mazovia code page lacks"},
        RejectCase{kCustomers, "number,date\nFV/1,2024-02-30\n", "documents.csv, line 2, column date"},
        RejectCase{kCustomers, "number,date\nFV/1,15.01.2024\n", "is not a date YYYY-MM-DD"},
        RejectCase{kCustomers, "number,amount_1\nFV/1,1.23456\n", "column amount_1"},
        RejectCase{kCustomers, "number,amount_33\nFV/1,1\n", "unknown column \"amount_33\""},
        RejectCase{kCustomers, "number,included\nFV/1,2\n", "is neither 0 nor 1"},
        RejectCase{kCustomers, "number,payment_days\nFV/1,40000\n", "does not fit the record field"},
        RejectCase{kCustomers, "number,customer\nFV/1,\"7\n", "line 2, column 6: a quoted field that is never closed"},
        RejectCase{kCustomers, "number\nFV/1\nFV/2\nFV/3,\"x\ny\n", "line 4, column 6: a quoted field that is never closed"},
        RejectCase{kCustomers, std::string("number\nFV/5\0/2024\n", 18),
                   "line 2, column number: \"FV/5\\0/2024\" holds a NUL byte, which ends a text of the host"},
        RejectCase{std::string("number,name\n1,\"a\nb\t\x01\0\"\n", 23), kDocuments,
                   "line 2, column name: \"a\\nb\\t\\x01\\0\" holds a NUL byte"},
        RejectCase{kCustomers, "number\nFV/5\xC0\x80/2024\n", "line 2, column number: \"FV/5\xC0\x80/2024\" is not valid UTF-8"},
        RejectCase{"number,name\n1,\xFF\xFE\n", kDocuments, "line 2, column name: \"\xFF\xFE\" is not valid UTF-8"},
        RejectCase{"number,name,short_name,name\n1,a,b,c\n", kDocuments, "line 1, column 4: the column \"name\" is named twice"},
        RejectCase{kMegabyteName, kDocuments, "\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\"… is longer than"},
        RejectCase{kCustomers, "number,date,payment_days\nFV/1,9999-12-31,30\n",
                   "documents.csv, line 2, column payment_days: 30 days after 99991231 lies past 9999-12-31"},
        RejectCase{kCustomers, "number,customer\nFV/1\n", "line 2: 1 fields where the header has 2"}));

TEST(CompanyFolder, QuotedFieldsHoldCommasQuotesAndLineBreaks) {
    const TestCompany folder("number,address\n5,\"ul. Długa 1, \"\"B\"\"\nm. 2\"\n", kDocuments);
    const Company company = LoadCompany(folder.Folder());
    EXPECT_STREQ(host::TextField(company.customers[0].data(), host::k4::kAddress), "ul. Długa 1, \"B\"\nm. 2"_mz);
}

}  // namespace
}  // namespace klarvo::sim
