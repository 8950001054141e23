// Polish number agreement: one form after 1, another after 2–4 (not 12–14), a third after the
// rest; and the plug-in's notices with a count, which use it.

#include <gtest/gtest.h>

#include "check/messages.h"
#include "check/number_series.h"
#include "src/host/mazovia.h"
#include "src/host/polish_count.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

using polish::CountForm;

struct Agreement {
    std::int64_t count;
    CountForm form;
    const char* customers;  // "u N …" of the plug-in's notice
    const char* postings;   // "w N …"
    const char* invoices;   // "Pominięto N …"
    const char* ranges;     // klarvo-check's "i jeszcze N …"
};

const Agreement kAgreements[] = {
    {1, CountForm::One, "kontrahenta", "księgowaniu", "fakturę", "przedział"},
    {2, CountForm::Few, "kontrahentów", "księgowaniach", "faktury", "przedziały"},
    {4, CountForm::Few, "kontrahentów", "księgowaniach", "faktury", "przedziały"},
    {5, CountForm::Many, "kontrahentów", "księgowaniach", "faktur", "przedziałów"},
    {12, CountForm::Many, "kontrahentów", "księgowaniach", "faktur", "przedziałów"},
    {22, CountForm::Few, "kontrahentów", "księgowaniach", "faktury", "przedziały"},
    {25, CountForm::Many, "kontrahentów", "księgowaniach", "faktur", "przedziałów"},
};

class CountAgreement : public ::testing::TestWithParam<Agreement> {};

TEST_P(CountAgreement, PicksTheFormAPolishWriterUses) { EXPECT_EQ(polish::FormAfter(GetParam().count), GetParam().form); }

// The gaps of a series beyond the first ten are counted: 10 + N ranges missing.
TEST_P(CountAgreement, InTheCheckersCountOfMoreGaps) {
    check::NumberSeries series;
    for (std::int64_t n = 0; n <= 10 + GetParam().count; ++n) series.Add(mazovia::FromUtf8("FV/" + std::to_string(2 * n + 1) + "/2024"));
    const std::vector<check::SeriesGaps> gaps = series.Gaps();
    ASSERT_EQ(gaps.size(), 1u);
    EXPECT_EQ(gaps.front().rangeCount, 10 + GetParam().count);
    EXPECT_EQ(check::Counted(check::Language::Polish, gaps.front().rangeCount - 10, check::Noun::Range),
              std::to_string(GetParam().count) + " " + GetParam().ranges);
    EXPECT_EQ(check::Counted(check::Language::English, GetParam().count, check::Noun::Range),
              std::to_string(GetParam().count) + (GetParam().count == 1 ? " range" : " ranges"));
}

TEST(CountAgreement, OfTheRestOfTheCounts) {
    for (const std::int64_t count : {0, 11, 13, 14, 15, 21, 100, 111, 112, 1000})
        EXPECT_EQ(polish::FormAfter(count), CountForm::Many) << count;
    for (const std::int64_t count : {3, 23, 24, 32, 102, 104, 1022, -2}) EXPECT_EQ(polish::FormAfter(count), CountForm::Few) << count;
    constexpr polish::Forms<const char*> kFields = {"pole", "pola", "pól"};
    EXPECT_STREQ(kFields.After(1), "pole");
    EXPECT_STREQ(kFields.After(22), "pola");
    EXPECT_STREQ(kFields.After(12), "pól");
}

// N customers whose names are too long and whose short names hold the separator Ź, as many
// documents whose number holds the register's separator ■, each with one posting (its gross), and
// as many documents without a date.
TEST_P(CountAgreement, InThePluginsNoticesOfWhatWasCut) {
    const Agreement& a = GetParam();
    std::string customers = "number,short_name,name\n", documents = "number,date,customer,amount_1,amount_2,amount_3\n";
    for (std::int64_t i = 1; i <= a.count; ++i) {
        customers += std::to_string(i) + ",ŹRÓDŁO," + std::string(70, 'N') + "\n";
        documents += "FV/■" + std::to_string(i) + ",2024-01-10," + std::to_string(i) + ",0,0,123\n";
        documents += "FB/" + std::to_string(i) + ",," + std::to_string(i) + ",0,0,123\n";
    }
    const TestCompany company(customers, documents);
    const ExportOutcome outcome = RunExport(company, January());
    ASSERT_EQ(outcome.messages.size(), 3u);
    EXPECT_EQ(outcome.messages.back().text.find("Pominięto " + std::to_string(a.count) + " " + a.invoices + " bez daty"), 0u)
        << outcome.messages.back().text;
    const std::string& told = outcome.messages.front().text;
    const std::string count = std::to_string(a.count);
    for (const std::string& said : {"Dane " + count + " " + a.customers + " nie zmieściły",
                                    "odstępem w danych " + count + " " + a.customers + " w pliku",
                                    "odstępem w " + count + " " + a.postings + " pliku"})
        EXPECT_NE(told.find(said), std::string::npos) << said << "\n" << told;
}

// Every counted word of klarvo-check in its three Polish forms, after each count.
TEST_P(CountAgreement, InEveryCountedWordOfTheChecker) {
    struct Word {
        check::Noun noun;
        const char *one, *few, *many;
    };
    const Word kWords[] = {
        {check::Noun::Byte, "bajt", "bajty", "bajtów"},
        {check::Noun::Character, "znak", "znaki", "znaków"},
        {check::Noun::FieldWithSeparator, "pole zakończone separatorem", "pola zakończone separatorem",
         "pól zakończonych separatorem"},
        {check::Noun::FieldAfterZ, "pole po separatorze Ź", "pola po separatorze Ź", "pól po separatorze Ź"},
        {check::Noun::Place, "miejsce", "miejsca", "miejsc"},
        {check::Noun::Range, "przedział", "przedziały", "przedziałów"},
    };
    const Agreement& a = GetParam();
    for (const Word& word : kWords) {
        const char* form = a.form == CountForm::One ? word.one : a.form == CountForm::Few ? word.few : word.many;
        EXPECT_EQ(check::Counted(check::Language::Polish, a.count, word.noun), std::to_string(a.count) + " " + form);
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, CountAgreement, ::testing::ValuesIn(kAgreements),
                         [](const ::testing::TestParamInfo<Agreement>& info) {
                             return "Of" + std::to_string(info.param.count);
                         });

}  // namespace
}  // namespace klarvo::test
