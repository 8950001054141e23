// Made-up companies: the same bytes for the same seed, and an export that goes through.

#include <gtest/gtest.h>

#include "hostsim/company/company_generator.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

std::string Generated(const TestCompany& company, const std::string& folder, std::uint64_t seed) {
    sim::GenerateCompany(company.Folder() / folder, {300, 40, seed});
    return company.Read(folder + "/customers.csv") + company.Read(folder + "/documents.csv");
}

TEST(CompanyGenerator, WritesTheSameCompanyForTheSameSeed) {
    const TestCompany company("", "");
    EXPECT_EQ(Generated(company, "a", 7), Generated(company, "b", 7));
    EXPECT_NE(Generated(company, "a", 7), Generated(company, "c", 8));
}

TEST(CompanyGenerator, WritesACompanyThatTheHostLoadsAndTheExportWritesWhole) {
    const TestCompany company("", "");
    sim::GenerateCompany(company.Folder(), {300, 40, 1});
    const ExportOutcome outcome = RunExport(company, Year2024());
    EXPECT_TRUE(outcome.violations.empty());
    // Its street names hold Ź, the separator of the accounts file: the user is told that it became Z;
    // and of the documents marked for export, those it left undated are counted after the summary.
    ASSERT_EQ(outcome.messages.size(), 3u);
    EXPECT_NE(outcome.messages[0].text.find("Znak Ź zastąpiono literą Z"), std::string::npos) << outcome.messages[0].text;
    EXPECT_TRUE(outcome.messages[1].formatted);
    EXPECT_EQ(outcome.messages[2].text.find("Pominięto "), 0u) << outcome.messages[2].text;
    // Every customer of a selected document has its record; 40 customers, most of them used.
    const std::vector<std::string> accounts = SplitAt(company.Read("!Konta.fkx"), "\r\n");
    EXPECT_GT(accounts.size(), 30u);
}

TEST(CompanyGenerator, RefusesCustomerCountsTheNumbersCannotHold) {
    const TestCompany company("", "");
    EXPECT_THROW(sim::GenerateCompany(company.Folder(), {10, 0, 1}), std::invalid_argument);
    EXPECT_THROW(sim::GenerateCompany(company.Folder(), {10, 131999, 1}), std::invalid_argument);
}

}  // namespace
}  // namespace klarvo::test
