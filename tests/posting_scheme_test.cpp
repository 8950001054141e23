// Loading and saving the posting schemes through the host configuration.

#include <gtest/gtest.h>

#include <cstring>

#include "src/host/mazovia.h"
#include "src/posting/posting_scheme.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

using host::PostingSchemeEntry;
using posting::Transfer;
using Scheme = std::array<PostingSchemeEntry, host::kSchemeEntryCount>;

Scheme DefaultScheme(const std::string& vatAccount) {
    return {SchemeEntry(3, "201-K", 0, "", "Sprzedaż", "", 1), SchemeEntry(0, "", 1, "731-1", "Netto"),
            SchemeEntry(0, "", 2, vatAccount, "Vat")};
}

class PostingSchemes : public PluginTest {
protected:
    PostingSchemes() { Fill(0x55); }

    void Fill(unsigned char byte) { std::memset(host->posting.schemeBuffer, byte, sizeof host->posting.schemeBuffer); }
    Scheme Buffer() const {
        Scheme scheme;
        std::memcpy(scheme.data(), host->posting.schemeBuffer, sizeof host->posting.schemeBuffer);
        return scheme;
    }
    void SetBuffer(const Scheme& scheme) { std::memcpy(host->posting.schemeBuffer, scheme.data(), sizeof host->posting.schemeBuffer); }
};

bool SameBytes(const Scheme& a, const Scheme& b) { return std::memcmp(a.data(), b.data(), sizeof(Scheme)) == 0; }

struct DefaultCase {
    std::int16_t schemeId;
    const char* vatAccount;
};

class DefaultSchemes : public PostingSchemes, public ::testing::WithParamInterface<DefaultCase> {};

TEST_P(DefaultSchemes, ASchemeNeverStoredLoadsAsExactlyTheThreeDefaultPostings) {
    posting::TransferPostingScheme(GetParam().schemeId, Transfer::Load);
    EXPECT_TRUE(SameBytes(Buffer(), DefaultScheme(GetParam().vatAccount)));
    EXPECT_TRUE(MessageTexts().empty());
}

INSTANTIATE_TEST_SUITE_P(BothSchemes, DefaultSchemes,
                         ::testing::Values(DefaultCase{posting::kSalesInvoiceScheme, "221-2"},
                                           DefaultCase{posting::kSalesCorrectionScheme, "221-4"}));

TEST_F(PostingSchemes, SavedDefaultsAreStoredInTheirOwnForm) {
    SetBuffer(DefaultScheme("221-2"));
    posting::TransferPostingScheme(posting::kSalesInvoiceScheme, Transfer::Save);
    EXPECT_EQ(company.Read("config.ini"), Golden("default_invoice_scheme.ini"));
}

TEST_F(PostingSchemes, EveryEntryComesBackAsSaved) {
    Scheme saved{};
    for (int k = 0; k < host::kSchemeEntryCount; ++k)
        saved[k] = SchemeEntry(static_cast<std::int16_t>(k % 33), "2K-" + std::to_string(k), -1, "731-" + std::to_string(k),
                         "Pozycja " + std::to_string(k), "S" + std::to_string(k), static_cast<std::int16_t>(k + 1));
    saved[3] = SchemeEntry(40, "0123456789", 32, "ABCDEFGHIJ", std::string(40, 'd'), "0123456789", -32768);
    saved[4] = SchemeEntry(1, "a,b", 2, "c,d", "Opis, z przecinkami", ",", 32767);
    saved[5] = SchemeEntry(0, "", 0, "", "");
    saved[6] = SchemeEntry(5, "Źródło", 6, "ĄĘŚĆ", "Żółć", "ż");
    SetBuffer(saved);
    posting::TransferPostingScheme(posting::kSalesCorrectionScheme, Transfer::Save);
    Fill(0x55);
    posting::TransferPostingScheme(posting::kSalesCorrectionScheme, Transfer::Load);
    EXPECT_TRUE(SameBytes(Buffer(), saved));
    EXPECT_TRUE(MessageTexts().empty());
}

// Entries 0 to 13 of a stored invoice scheme, UTF-8, as config.ini holds them; `skip` is left out.
std::string StoredInvoiceScheme(int skip) {
    std::string ini = "[ToburDekrSpr]\n";
    for (int k = 0; k < host::kSchemeEntryCount; ++k)
        if (k != skip)
            ini += "Dekret_" + std::to_string(k) + "=" + std::to_string(k + 1) + ",0,\"100-" + std::to_string(k) +
                   "\",\"\",\"Księgowanie\",\"\"," + std::to_string(k) + "\n";
    return ini;
}

// The stored form has no room for a double quote or a line break: they are changed, in the buffer
// too, so that what is stored reads back exactly, and the user is told which entries changed.
TEST_F(PostingSchemes, TextsTheStoredFormCannotHoldAreChangedAndTold) {
    Scheme saved{};
    saved[0] = SchemeEntry(3, "201-K", 0, "", "Sprzedaż", "", 1);
    saved[2] = SchemeEntry(0, "", 2, "221-2", "Vat\",\"x", "\"");
    saved[5] = SchemeEntry(1, "a\nb", 0, "", "dwa\r\nwiersze");
    SetBuffer(saved);
    posting::TransferPostingScheme(posting::kSalesInvoiceScheme, Transfer::Save);
    Scheme storable = saved;
    storable[2] = SchemeEntry(0, "", 2, "221-2", "Vat','x", "'");
    storable[5] = SchemeEntry(1, "a b", 0, "", "dwa  wiersze");
    EXPECT_TRUE(SameBytes(Buffer(), storable));
    Fill(0x55);
    const posting::TransferOutcome loaded = posting::TransferPostingScheme(posting::kSalesInvoiceScheme, Transfer::Load);
    EXPECT_TRUE(SameBytes(Buffer(), storable));
    EXPECT_TRUE(loaded.unreadable.Empty());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{
                                  "Schemat dekretu faktur sprzedaży: w pozycjach Dekret_2 i Dekret_5 zamieniono znaki, których "
                                  "nie da się zapisać\n(cudzysłów na apostrof, koniec wiersza na odstęp). Sprawdź te pozycje."});
}

// A stored scheme stays the stored scheme when an entry is damaged: the entry is empty and named,
// and it is the caller who tells the user what follows. Only a scheme never stored gets the
// defaults, also when every one of its keys is there but none can be read.
TEST_F(PostingSchemes, AnUnreadableEntryStaysEmptyAndIsNamed) {
    company.Write("config.ini", StoredInvoiceScheme(9));
    const posting::TransferOutcome outcome = posting::TransferPostingScheme(posting::kSalesInvoiceScheme, Transfer::Load);
    const Scheme loaded = Buffer();
    for (int k = 0; k < host::kSchemeEntryCount; ++k) {
        const PostingSchemeEntry expected =
            k == 9 ? PostingSchemeEntry{}
                   : SchemeEntry(static_cast<std::int16_t>(k + 1), "100-" + std::to_string(k), 0, "", "Księgowanie", "",
                           static_cast<std::int16_t>(k));
        EXPECT_EQ(std::memcmp(&loaded[k], &expected, sizeof expected), 0) << "entry " << k;
    }
    EXPECT_STREQ(outcome.unreadable.text, "Dekret_9");
    EXPECT_TRUE(MessageTexts().empty());
}

TEST_F(PostingSchemes, ASchemeOfWhichNoKeyCanBeReadIsStoredButUnreadable) {
    std::string ini = "[ToburDekrSpr]\n";
    for (int k = 0; k < host::kSchemeEntryCount; ++k) ini += "Dekret_" + std::to_string(k) + "=zepsute\n";
    company.Write("config.ini", ini);
    const posting::TransferOutcome outcome = posting::TransferPostingScheme(posting::kSalesInvoiceScheme, Transfer::Load);
    EXPECT_TRUE(SameBytes(Buffer(), Scheme{}));
    EXPECT_EQ(std::string(outcome.unreadable.text).substr(0, 20), "Dekret_0, Dekret_1, ");
    EXPECT_NE(std::string(outcome.unreadable.text).find("Dekret_13"), std::string::npos);
}

TEST_F(PostingSchemes, LoadingOneSchemeAfterTheOtherKeepsNothingOfTheFirst) {
    company.Write("config.ini", StoredInvoiceScheme(-1));
    posting::TransferPostingScheme(posting::kSalesInvoiceScheme, Transfer::Load);
    posting::TransferPostingScheme(posting::kSalesCorrectionScheme, Transfer::Load);
    EXPECT_TRUE(SameBytes(Buffer(), DefaultScheme("221-4")));
}

TEST_F(PostingSchemes, AStoredSchemeOfEmptyEntriesIsUsedAsStored) {
    SetBuffer(Scheme{});
    posting::TransferPostingScheme(posting::kSalesInvoiceScheme, Transfer::Save);
    Fill(0x55);
    posting::TransferPostingScheme(posting::kSalesInvoiceScheme, Transfer::Load);
    EXPECT_TRUE(SameBytes(Buffer(), Scheme{}));
}

TEST_F(PostingSchemes, AnyOtherSchemeIdOnlyTellsTheUser) {
    for (const Transfer transfer : {Transfer::Load, Transfer::Save})
        posting::TransferPostingScheme(16644, transfer);
    Scheme untouched;
    std::memset(untouched.data(), 0x55, sizeof untouched);
    EXPECT_TRUE(SameBytes(Buffer(), untouched));
    EXPECT_FALSE(company.Has("config.ini"));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>(2, "Brak możliwości konfiguracji dekretu"));
}

TEST(AmountNames, RateNamesEndInTheirNinthCharacterAndOtherCodesHaveNone) {
    for (const int code : {11, 12, 13, 14, 15, 16, 17, 19, 20, 21, 22, 23, 24, 27, 28, 29, 30, 31, 32}) {
        const std::string name = host::AmountName(code);
        EXPECT_EQ(name.size(), 9u) << code;
        EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(name.back()))) << code;
    }
    EXPECT_EQ(mazovia::ToUtf8(host::AmountName(1)), "Netto ogółem");
    EXPECT_STREQ(host::AmountName(26), "Brutto z opakowaniami");
    for (const int code : {-2, -1, 33, 40}) EXPECT_STREQ(host::AmountName(code), "") << code;
}

}  // namespace
}  // namespace klarvo::test
