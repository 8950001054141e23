// Documents in the register as Teta books them, by their number: one pasted twice, another under
// the same number, one split across the file; and every export of generated companies quiet.

#include <gtest/gtest.h>

#include <set>

#include "check/teta_check.h"
#include "hostsim/company/company_generator.h"
#include "hostsim/company/csv.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

// The sample's register as its lines; line n of the file is lines[n - 1], the last one empty.
std::vector<std::string> SampleLines() { return SplitAt(Golden("sample/!Fs_pln.fkw"), "\r\n"); }

std::string Joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) bytes += lines[i] + "\r\n";
    return bytes;
}

check::CheckResult Check(const std::vector<std::string>& lines) {
    check::CheckSetup setup;
    setup.firstPlaces = SIZE_MAX;
    return check::CheckTetaBytes(Joined(lines), Golden("sample/!Konta.fkx"), setup);
}

std::vector<std::string> Faults(const check::CheckResult& result) {
    std::vector<std::string> faults;
    for (const check::FindingGroup& group : result.findings.Faults())
        for (const check::Finding& finding : group.first) faults.push_back(check::Describe(finding));
    return faults;
}

// Lines 2 to 4 hold FV/1/2024 of 2024-01-11, lines 5 to 7 FV/2/2024 of 2024-01-03.
std::vector<std::string> WithLinesAtTheEnd(std::vector<std::string> lines, std::size_t first, std::size_t last) {
    lines.insert(lines.end() - 1, lines.begin() + static_cast<std::ptrdiff_t>(first - 1),
                 lines.begin() + static_cast<std::ptrdiff_t>(last));
    return lines;
}

TEST(DocumentsInTheRegister, ADocumentPastedTwiceIsAFindingNamingBothPlaces) {
    const check::CheckResult result = Check(WithLinesAtTheEnd(SampleLines(), 2, 4));
    EXPECT_EQ(Faults(result), std::vector<std::string>{"!Fs_pln.fkw, line 86: document FV/1/2024 of 2024-01-11 stands "
                                                       "twice, at lines 2–4 and at lines 86–88: Teta would book it twice"});
    EXPECT_EQ(result.salesRegister.documents, 28);
}

// The same lines right after themselves, once or twice more: before, one document of twice as many
// lines, balanced, that passed; each further copy is booked again by Teta.
TEST(DocumentsInTheRegister, ADocumentRepeatedRightAfterItselfIsTheSameFinding) {
    std::vector<std::string> lines = SampleLines();
    lines.insert(lines.begin() + 4, lines.begin() + 1, lines.begin() + 4);
    EXPECT_EQ(Faults(Check(lines)), std::vector<std::string>{"!Fs_pln.fkw, line 5: document FV/1/2024 of 2024-01-11 stands "
                                                             "twice, at lines 2–4 and at lines 5–7: Teta would book it twice"});
    lines.insert(lines.begin() + 7, lines.begin() + 1, lines.begin() + 4);
    const check::CheckResult thrice = Check(lines);
    EXPECT_EQ(Faults(thrice), (std::vector<std::string>{
                                  "!Fs_pln.fkw, line 5: document FV/1/2024 of 2024-01-11 stands twice, at lines 2–4 and at "
                                  "lines 5–7: Teta would book it twice",
                                  "!Fs_pln.fkw, line 8: document FV/1/2024 of 2024-01-11 stands twice, at lines 2–4 and at "
                                  "lines 8–10: Teta would book it twice"}));
    EXPECT_EQ(thrice.salesRegister.documents, 28);
}

// Lines that repeat, but whose first copy does not balance on its own, are one document: here
// FV/1/2024 is its debit posting twice, an unbalanced document and no document booked twice.
TEST(DocumentsInTheRegister, EqualLinesThatDoNotBalanceAloneAreOneDocument) {
    std::vector<std::string> lines = SampleLines();
    lines[2] = lines[1];
    lines.erase(lines.begin() + 3);
    EXPECT_EQ(Faults(Check(lines)), std::vector<std::string>{"!Fs_pln.fkw, line 2: document FV/1/2024 of 2024-01-11: "
                                                             "debits 5116.82, credits 0.00 (difference 5116.82)"});
}

TEST(DocumentsInTheRegister, ADocumentSplitAcrossTheFileIsOneDocumentAndNoFinding) {
    std::vector<std::string> lines = SampleLines();
    const std::string vat = lines[3];
    lines.erase(lines.begin() + 3);
    lines.insert(lines.end() - 1, vat);
    const check::CheckResult result = Check(lines);
    EXPECT_EQ(Faults(result), std::vector<std::string>{});
    EXPECT_EQ(result.salesRegister.documents, 28);
    EXPECT_EQ(result.salesRegister.postings, 84);
}

TEST(DocumentsInTheRegister, ASplitDocumentThatDoesNotBalanceIsToldOnceAtItsFirstLine) {
    std::vector<std::string> lines = SampleLines();
    const std::string vat = lines[3];
    lines.erase(lines.begin() + 3);
    lines.insert(lines.end() - 1, Replaced(vat, "478.40", "478.41"));
    EXPECT_EQ(Faults(Check(lines)), std::vector<std::string>{"!Fs_pln.fkw, line 2: document FV/1/2024 of 2024-01-11: "
                                                             "debits 2558.41, credits 2558.42 (difference 0.01)"});
}

struct Renumbered {
    const char* name;
    const char* date;  // the date FV/2/2024's lines are given
    const char* finding;
};

class AnotherDocumentUnderTheSameNumber : public ::testing::TestWithParam<Renumbered> {};

// FV/2/2024's three lines pasted at the end as FV/1/2024: a whole document of other postings.
TEST_P(AnotherDocumentUnderTheSameNumber, IsAFindingNamingBothPlaces) {
    std::vector<std::string> lines = WithLinesAtTheEnd(SampleLines(), 5, 7);
    for (std::size_t i = 85; i < 88; ++i) {
        std::string& line = lines[i];
        line = Replaced(line, "FV/2/2024", "FV/1/2024");
        for (std::size_t at = 0; (at = line.find("2024-01-03", at)) != std::string::npos; at += 10)
            line.replace(at, 10, GetParam().date);
    }
    const std::vector<std::string> faults = Faults(Check(lines));
    EXPECT_NE(std::find(faults.begin(), faults.end(), GetParam().finding), faults.end()) << ::testing::PrintToString(faults);
}

INSTANTIATE_TEST_SUITE_P(
    DocumentsInTheRegister, AnotherDocumentUnderTheSameNumber,
    ::testing::Values(Renumbered{"OfAnotherDate", "2024-01-03",
                                 "!Fs_pln.fkw, line 86: number FV/1/2024 stands for two documents, of 2024-01-11 "
                                 "(lines 2–4) and of 2024-01-03 (lines 86–88): Teta books a document by its "
                                 "number, so one of them would not be booked as the register holds it"},
                      Renumbered{"OfTheSameDate", "2024-01-11",
                                 "!Fs_pln.fkw, line 86: number FV/1/2024 stands for two documents, of 2024-01-11 "
                                 "(lines 2–4) and of 2024-01-11 (lines 86–88): Teta books a document by its "
                                 "number, so one of them would not be booked as the register holds it"}),
    [](const ::testing::TestParamInfo<Renumbered>& info) { return info.param.name; });

TEST(DocumentsInTheRegister, InPolishAreToldAsAPolishAccountantWrites) {
    check::CheckSetup setup;
    setup.language = check::Language::Polish;
    const check::CheckResult result = check::CheckTetaBytes(Joined(WithLinesAtTheEnd(SampleLines(), 2, 4)),
                                                            Golden("sample/!Konta.fkx"), setup);
    ASSERT_EQ(result.findings.Faults().size(), 1u);
    EXPECT_EQ(check::Describe(result.findings.Faults().front().first.front(), check::Language::Polish),
              "!Fs_pln.fkw, wiersz 86: dokument FV/1/2024 z dnia 11.01.2024 jest zapisany dwa razy, w wierszach 2–4 i w wierszach 86–88: "
              "Teta zaksięgowałaby go dwukrotnie");
}

std::vector<std::string> NoteTexts(const check::CheckResult& result, check::FindingKind kind) {
    std::vector<std::string> texts;
    for (const check::FindingGroup& group : result.findings.Notes())
        for (const check::Finding& finding : group.first)
            if (finding.kind == kind) texts.push_back(finding.text);
    return texts;
}

// FV/5/2024 to FV/7/2024 (lines 14 to 22) left out: a gap in the series, and the account record
// of customer 5, whose only invoice FV/5/2024 was, booked to by no posting.
TEST(DocumentsInTheRegister, ALeftOutDocumentIsAGapInItsSeriesAndItsCustomersRecordUnbooked) {
    std::vector<std::string> lines = SampleLines();
    lines.erase(lines.begin() + 13, lines.begin() + 22);
    const check::CheckResult result = Check(lines);
    EXPECT_EQ(Faults(result), std::vector<std::string>{});
    EXPECT_EQ(NoteTexts(result, check::FindingKind::Series),
              std::vector<std::string>{"between FV/1/2024 and FV/27/2024 the register lacks FV/5/2024–FV/7/2024"});
}

TEST(DocumentsInTheRegister, AnAccountRecordOfAnotherExportIsANote) {
    std::string accounts = Golden("sample/!Konta.fkx");
    const std::size_t second = accounts.find("\r\n") + 2, third = accounts.find("\r\n", second) + 2;
    accounts += Replaced(accounts.substr(second, third - second), "Ź2Ź1Ź", "Ź2Ź4242Ź");
    check::CheckSetup setup;
    setup.firstPlaces = SIZE_MAX;
    const check::CheckResult result = check::CheckTetaBytes(Golden("sample/!Fs_pln.fkw"), accounts, setup);
    std::vector<std::string> notes;
    for (const check::FindingGroup& group : result.findings.Notes())
        for (const check::Finding& finding : group.first) notes.push_back(check::Describe(finding));
    EXPECT_NE(std::find(notes.begin(), notes.end(),
                        "!Konta.fkx, line 12: customer 4242 has an account record, but no posting of the register books "
                        "to its account"),
              notes.end())
        << ::testing::PrintToString(notes);
}

// The numbers the series note names, one by one: "FV/5/2024–FV/7/2024, FV/12/2024".
std::set<std::int64_t> NamedNumbers(const std::string& note) {
    std::set<std::int64_t> numbers;
    const std::string listed = note.substr(note.find(" lacks ") + 7);
    for (const std::string& range : SplitAt(listed, ", ")) {
        const std::vector<std::string> ends = SplitAt(range, "–");
        const auto running = [](const std::string& number) { return std::stoll(number.substr(3, number.rfind('/') - 3)); };
        for (std::int64_t n = running(ends.front()); n <= running(ends.back()); ++n) numbers.insert(n);
    }
    return numbers;
}

// Every export of a generated company holds each document once and books to every account
// record; its series has gaps exactly where the company's documents are not exported (no date,
// not included), which the test finds from the company itself.
TEST(DocumentsInTheRegister, ExportsOfTwoHundredGeneratedCompaniesAreQuietWhereNothingIsLeftOut) {
    const TestCompany company("", "");
    const sim::HostOptions year = Year2024();
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        sim::GenerateCompany(company.Folder(), {40, 12, seed});
        const ExportOutcome outcome = RunExport(company, year);
        ASSERT_TRUE(outcome.violations.empty()) << seed;
        const check::CheckResult result =
            check::CheckTetaBytes(company.Read("!Fs_pln.fkw"), company.Read("!Konta.fkx"));
        EXPECT_FALSE(result.findings.Any(check::FindingKind::Twice)) << "seed " << seed;
        // Nor does any note blame two exports, or a customer's NIP or bank account number: the
        // generator makes them with their check digits.
        for (const check::FindingGroup& group : result.findings.Notes())
            for (const check::Text quiet : {check::Text::UnbookedAccountRule, check::Text::TaxIdRule, check::Text::BankAccountRule,
                                            check::Text::BankDigitsRule, check::Text::BankNameRule})
                EXPECT_NE(group.rule, check::Say(check::Language::English, quiet)) << "seed " << seed;

        std::set<std::int64_t> exported, leftOut;
        for (const sim::CsvRow& row : sim::ParseCsv(company.Read("documents.csv"), "documents.csv").rows) {
            const std::int64_t number = std::stoll(row.fields[0].substr(3));
            (row.fields[1].empty() || row.fields[4] == "0" ? leftOut : exported).insert(number);
        }
        std::set<std::int64_t> expected;
        for (const std::int64_t number : leftOut)
            if (number > *exported.begin() && number < *exported.rbegin()) expected.insert(number);
        const std::vector<std::string> gaps = NoteTexts(result, check::FindingKind::Series);
        EXPECT_EQ(gaps.empty() ? std::set<std::int64_t>{} : NamedNumbers(gaps.front()), expected) << "seed " << seed;
    }
}

}  // namespace
}  // namespace klarvo::test
