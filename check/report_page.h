#pragma once
// The report of a check as one web page for people: the verdict, the findings and notes with
// their places, the documents exported, and the totals per posting scheme position and per
// account. Self-contained (its own style, no script, nothing fetched), printable on A4, in the
// reader's language.

#include <cstdint>
#include <map>
#include <string>

#include "check/booked_export.h"
#include "check/teta_check.h"

namespace klarvo::check {

struct ReportInput {
    const CheckResult& result;
    const BookedExport& booked;
    const std::map<std::int32_t, std::string>& customerNames;  // Mazovia, from the accounts file
    std::string registerName, accountsName;
    std::string checkedOn;  // the day and time of the check, as the reader writes them
};

std::string ReportPage(const ReportInput& input, Language language);

}  // namespace klarvo::check
