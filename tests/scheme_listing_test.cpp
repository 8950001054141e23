// The simulator's listing of the posting-scheme buffer.

#include <gtest/gtest.h>

#include <cstring>

#include "hostsim/forms/scheme_file.h"
#include "hostsim/forms/scheme_listing.h"
#include "src/posting/posting_scheme.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

std::vector<std::string> AmountNames() {
    std::vector<std::string> names;
    for (int code = 0; code < host::kAmountNameCount; ++code) names.emplace_back(host::AmountName(code));
    return names;
}

TEST(SchemeListing, ShowsEveryEntryWithItsAmountNamesAndWhereTheSchemeEnds) {
    host::PostingSchemeEntry entries[host::kSchemeEntryCount] = {
        SchemeEntry(3, "201-K", 0, "", "Sprzedaż", "", 1),
        SchemeEntry(0, "", 28, "221-2", "Vat 23%", "V23", 2),
        SchemeEntry(40, "0123456789", -1, "ABCDEFGHIJ", std::string(40, 'd'), "0123456789", -3),
        SchemeEntry(0, "", 0, "", "Pominięta"),
        SchemeEntry(1, "Źródło", 0, ""),
    };
    EXPECT_EQ(sim::ListScheme(entries, AmountNames()), Golden("scheme_listing.txt"));
}

TEST(SchemeListing, SaysWhenNoEntryIsUsed) {
    const host::PostingSchemeEntry entries[host::kSchemeEntryCount] = {};
    EXPECT_TRUE(sim::ListScheme(entries, AmountNames())
                    .ends_with("Entry 0 has both amount codes 0: the export writes no posting.\n"));
}

}  // namespace
}  // namespace klarvo::test

namespace klarvo::test {
namespace {

struct BadSchemeFile {
    const char* content;
    const char* complaint;
};

class BadSchemeFiles : public ::testing::TestWithParam<BadSchemeFile> {};

TEST_P(BadSchemeFiles, AreRefusedNamingLineAndColumn) {
    const TestCompany company("number\n1\n", "number\nFV/1\n");
    company.Write("scheme.csv", GetParam().content);
    try {
        sim::LoadSchemeEdits(company.Folder() / "scheme.csv");
        FAIL() << "accepted " << GetParam().content;
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().complaint), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadSchemeFiles,
    ::testing::Values(BadSchemeFile{"entry,debit_code\n14,1\n", "line 2, column entry"},
                      BadSchemeFile{"entry\n1\n1\n", "line 3, column entry: entry 1 is there twice"},
                      BadSchemeFile{"entry,debit_account\n0,12345678901\n", "longer than the 10 characters"},
                      BadSchemeFile{"entry,credit_code\n0,40000\n", "does not fit"},
                      BadSchemeFile{"debit_code\n1\n", "the required column \"entry\""},
                      BadSchemeFile{"entry,account\n0,1\n", "unknown column \"account\""}));

TEST(SchemeFile, ARowReplacesItsEntryWhole) {
    const TestCompany company("number\n1\n", "number\nFV/1\n");
    company.Write("scheme.csv", "entry,credit_code,credit_account,description\n5,28,221-3,Vat 23\n");
    const std::vector<sim::SchemeEdit> edits = sim::LoadSchemeEdits(company.Folder() / "scheme.csv");
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0].index, 5);
    const host::PostingSchemeEntry expected = SchemeEntry(0, "", 28, "221-3", "Vat 23");
    EXPECT_EQ(std::memcmp(&edits[0].entry, &expected, sizeof expected), 0);
}

}  // namespace
}  // namespace klarvo::test
