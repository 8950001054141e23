// Customer account records, as bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "src/export/customer_accounts.h"
#include "src/host/mazovia.h"
#include "src/host/records.h"
#include "src/services/files.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

const char* const kCustomers =
    "number,short_name,name,address,tax_id,bank_account,credit_limit,discount\n"
    "7,ABC,Firma Siedem,\"ul. Kwiatowa 5, 00-950 Warszawa\",123-456-78-90,PKO BP 12 3456,1234.5,-12\n"
    "-7,Kowalski,\"  Jan   Kowalski  \",Warszawa,,,,\n"
    "65999,Ostatnia,\"Bardzo długa nazwa firmy, która ma więcej niż sześćdziesiąt znaków w sobie\","
    "Źródła 5 58-100 Świdnica,,,,\n"
    "-65999,Ostatni,Źdźbło Anna,00-950 Warszawa,,,,\n";

const char* const kDocuments =
    "number,date,customer\n"
    "FV/1,2024-01-02,7\n"
    "FV/2,2024-01-03,-65999\n"
    "FV/3,2024-01-04,7\n"
    "FV/4,2024-01-05,500\n"  // a customer the host does not know
    "FV/5,2024-01-06,-7\n"
    "FV/6,2024-01-07,65999\n"
    "FV/7,2024-01-08,7\n";

TEST(CustomerAccounts, OneRecordPerCustomerCompaniesFirstInAscendingOrder) {
    const TestCompany company(kCustomers, kDocuments);
    const ExportOutcome outcome = RunExport(company, January());
    EXPECT_TRUE(outcome.violations.empty());
    ASSERT_EQ(outcome.messages.size(), 2u);
    EXPECT_EQ(outcome.messages[0].text,
              "Dane 1 kontrahenta nie zmieściły się w polach pliku !Konta.fkx i zostały skrócone\n"
              "(np. kontrahent 65999, pole \"nazwa\": \"Bardzo długa nazwa firmy, która ma więcej niż sześćdziesiąt znaków w sobie\" zapisano jako "
              "\"Bardzo długa nazwa firmy, która ma więcej niż sześćdziesiąt \").\n"
              "Znak Ź zastąpiono literą Z, a koniec wiersza odstępem w danych 2 kontrahentów w pliku !Konta.fkx\n"
              "(np. kontrahent 65999, pole \"ulica\": \"Źródła 5\" zapisano jako \"Zródła 5\").\n"
              "Sprawdź te dane przed importem do systemu Teta.");
    EXPECT_TRUE(outcome.messages[1].formatted);
    EXPECT_EQ(company.Read("!Konta.fkx"), Golden("customer_accounts.fkx"));
}

TEST(CustomerAccounts, TextsWithoutTheirNulStayInsideTheirFields) {
    const TestCompany company("number\n1\n", "number\nFV/1\n");
    sim::HostOptions options;
    options.company = company.Folder();
    LinkedHost host(options);
    std::vector<char> record(host::k4::kRecordLength, 'A');
    record[host::k4::kAddress.offset + 3] = '\xA0';  // Ź, the separator, inside the address
    record[host::k4::kTaxId.offset + 1] = '\n';
    const std::int32_t number = -42;
    const double amount = 0.5;
    std::memcpy(record.data() + host::k4::kNumber.offset, &number, sizeof number);
    std::memcpy(record.data() + host::k4::kCreditLimit.offset, &amount, sizeof amount);
    std::memcpy(record.data() + host::k4::kDiscount.offset, &amount, sizeof amount);

    exporting::OutputFile file;
    file.open.Take(services::OpenOutputFile("record.fkx"));
    ASSERT_NE(file.open.Get(), nullptr);
    exporting::WriteCustomerAccount(record.data(), file);
    EXPECT_TRUE(services::CloseFile(file.open.Release()));
    EXPECT_FALSE(file.failed);

    std::string line = company.Read("record.fkx");
    ASSERT_TRUE(line.ends_with("\r\n"));
    line.resize(line.size() - 2);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    const std::vector<std::string> fields = SplitAt(line, "\xA0");
    ASSERT_EQ(fields.size(), 13u);
    EXPECT_EQ(fields[2], "-42");
    EXPECT_EQ(fields[3], std::string(3, ' ') + std::string(17, 'A'));  // its room holds 17
    EXPECT_EQ(fields[4], std::string(60, 'A'));
    EXPECT_EQ(fields[6], "AAAZ" + std::string(21, 'A'));  // the city: the whole address, cut to 25
    EXPECT_EQ(fields[10], "A " + std::string(16, 'A'));
    EXPECT_EQ(fields[11], "0.50");
}

}  // namespace
}  // namespace klarvo::test
