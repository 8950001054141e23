// Documents in the register as Teta books them, by their number: one pasted twice, another under
// the same number, one split across the file; and every export of generated companies quiet.

#include <gtest/gtest.h>

#include "hostsim/company/company_generator.h"
#include "teta_check.h"
#include "test_company.h"

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
                                                       "twice, at lines 2–4 and 86–88: Teta would book it twice"});
    EXPECT_EQ(result.salesRegister.documents, 28);
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
                                                             "debits 2558.41 and credits 2558.42 differ"});
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
                                 "!Fs_pln.fkw, line 86: number FV/1/2024 stands for the document of 2024-01-11 at lines "
                                 "2–4 and for another of 2024-01-03 at lines 86–88: Teta books a document by its "
                                 "number, so one of them would not be booked as the register holds it"},
                      Renumbered{"OfTheSameDate", "2024-01-11",
                                 "!Fs_pln.fkw, line 86: number FV/1/2024 stands for the document of 2024-01-11 at lines "
                                 "2–4 and for another of 2024-01-11 at lines 86–88: Teta books a document by its "
                                 "number, so one of them would not be booked as the register holds it"}),
    [](const ::testing::TestParamInfo<Renumbered>& info) { return info.param.name; });

TEST(DocumentsInTheRegister, InPolishAreToldAsAPolishAccountantWrites) {
    check::CheckSetup setup;
    setup.language = check::Language::Polish;
    const check::CheckResult result = check::CheckTetaBytes(Joined(WithLinesAtTheEnd(SampleLines(), 2, 4)),
                                                            Golden("sample/!Konta.fkx"), setup);
    ASSERT_EQ(result.findings.Faults().size(), 1u);
    EXPECT_EQ(check::Describe(result.findings.Faults().front().first.front(), check::Language::Polish),
              "!Fs_pln.fkw, wiersz 86: dokument FV/1/2024 z 11.01.2024 jest zapisany dwa razy, w wierszach 2–4 i 86–88: "
              "Teta zaksięgowałaby go dwukrotnie");
}

// Every export of a generated company holds each document once: the check stays quiet.
TEST(DocumentsInTheRegister, NoExportOfTwoHundredGeneratedCompaniesHoldsADocumentTwice) {
    const TestCompany company("", "");
    sim::HostOptions year;
    year.form.dateFrom = "20240101";
    year.form.dateTo = "20241231";
    year.form.invoices = true;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        sim::GenerateCompany(company.Folder(), {40, 12, seed});
        const ExportOutcome outcome = RunExport(company, year);
        ASSERT_TRUE(outcome.violations.empty()) << seed;
        const check::CheckResult result =
            check::CheckTetaBytes(company.Read("!Fs_pln.fkw"), company.Read("!Konta.fkx"));
        EXPECT_FALSE(result.findings.Any(check::FindingKind::Twice)) << "seed " << seed;
    }
}

}  // namespace
}  // namespace klarvo::test
