// The simulator's listing of the posting-scheme buffer.

#include <gtest/gtest.h>

#include "posting/posting_scheme.h"
#include "scheme_listing.h"
#include "test_company.h"

namespace klarvo::test {
namespace {

TEST(SchemeListing, ShowsEveryEntryWithItsAmountNamesAndWhereTheSchemeEnds) {
    host::PostingSchemeEntry entries[host::kSchemeEntryCount] = {
        SchemeEntry(3, "201-K", 0, "", "Sprzedaż", "", 1),
        SchemeEntry(0, "", 28, "221-2", "Vat 23%", "V23", 2),
        SchemeEntry(40, "0123456789", -1, "ABCDEFGHIJ", std::string(40, 'd'), "0123456789", -3),
        SchemeEntry(0, "", 0, "", "Pominięta"),
        SchemeEntry(1, "Źródło", 0, ""),
    };
    EXPECT_EQ(sim::ListScheme(entries, &posting::AmountName), Golden("scheme_listing.txt"));
}

TEST(SchemeListing, SaysWhenNoEntryIsUsed) {
    const host::PostingSchemeEntry entries[host::kSchemeEntryCount] = {};
    EXPECT_TRUE(sim::ListScheme(entries, &posting::AmountName)
                    .ends_with("Entry 0 has both amount codes 0: the export writes no posting.\n"));
}

}  // namespace
}  // namespace klarvo::test
