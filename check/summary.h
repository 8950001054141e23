#pragma once
// What a check comes to, in a few words: the verdict in one sentence, the dates the documents bear
// with the day of the run, and the counts. The console, the report page and the message box say
// it alike.

#include <string>

#include "check/teta_check.h"

namespace klarvo::check {

std::string Verdict(const Findings& findings, Language language);

// "Daty dokumentów: 02.01.2024–25.03.2024 (eksport z dnia 02.04.2024)", or that there are none.
std::string DocumentDates(const RegisterContent& salesRegister, Language language);

// The dates, then documents, postings, customers, debits, credits, findings and notes.
std::string SummaryLine(const CheckResult& result, Language language);

}  // namespace klarvo::check
