#include "check/summary.h"

namespace klarvo::check {

std::string Verdict(const Findings& findings, Language language) {
    if (findings.FaultCount() > 0) return Say(language, {Text::VerdictFindings, {Counted(language, findings.FaultCount(), Noun::Finding)}});
    if (findings.NoteCount() > 0) return Say(language, {Text::VerdictNotes, {Counted(language, findings.NoteCount(), Noun::Note)}});
    return Say(language, Text::VerdictClean);
}

std::string DocumentDates(const RegisterContent& r, Language language) {
    const bool dated = !r.firstDate.empty(), run = !r.runDate.empty();
    const Text dates[2][2] = {{Text::NoDocumentsOfUnknownRun, Text::NoDocumentsOfRun}, {Text::DatesOfUnknownRun, Text::DatesOfRun}};
    std::vector<std::string> known;
    if (dated) known = {Date(language, r.firstDate), Date(language, r.lastDate)};
    if (run) known.push_back(Date(language, r.runDate));
    return Say(language, {dates[dated][run], known});
}

std::string SummaryLine(const CheckResult& result, Language language) {
    const RegisterContent& r = result.salesRegister;
    return Say(language, {Text::Summary,
                          {DocumentDates(r, language), Count(language, r.documents), Count(language, r.postings),
                           Count(language, result.accounts.customers), Amount(language, r.debit), Amount(language, r.credit),
                           Count(language, result.findings.FaultCount()), Count(language, result.findings.NoteCount())}});
}

}  // namespace klarvo::check
