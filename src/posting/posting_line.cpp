#include "src/posting/posting_line.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "src/host/records.h"
#include "src/services/posting_scheme_entries.h"
#include "src/services/texts.h"

namespace klarvo::posting {
namespace {

// The template with its first upper-case K replaced by the customer code, cut to the account's
// 12 characters; what was cut away is noted in the line.
void MakeAccount(const char (&accountTemplate)[host::kAccountTemplateLength + 1], const char* customerCode,
                 char (&account)[kAccountLength + 1], PostingLine& line) {
    char work[256];
    char* at = nullptr;
    std::size_t length = 0;
    for (; length < host::kAccountTemplateLength && accountTemplate[length] != '\0'; ++length) {
        work[length] = accountTemplate[length];
        if (!at && work[length] == 'K') at = work + length;
    }
    work[length] = '\0';
    if (at) {
        services::DeleteCharacter(at);
        for (const char* c = customerCode; *c; ++c) services::InsertCharacter(at++, *c);
    }
    services::CopyText(account, work, kAccountLength);
    if (std::strlen(work) > kAccountLength && !line.uncutAccount[0])
        std::snprintf(line.uncutAccount, sizeof line.uncutAccount, "%.*s",
                      static_cast<int>(sizeof line.uncutAccount - 1), work);
}

double RawAmount(const double* documentAmounts, int code) {
    return code >= 1 && code <= kAmountCodeCount ? documentAmounts[code - 1] : 0.0;
}

constexpr double kRawAmountScale = 10000.0;

}  // namespace

bool BuildPostingLine(std::int16_t entryIndex, const double* documentAmounts, PostingLine& line,
                      const char* customerCode) {
    const host::PostingSchemeEntry& entry = services::PostingSchemeEntries()[entryIndex];
    if (entry.debitCode == 0 && entry.creditCode == 0) return true;
    MakeAccount(entry.debitAccount, customerCode, line.debitAccount, line);
    MakeAccount(entry.creditAccount, customerCode, line.creditAccount, line);
    const double rawDebit = RawAmount(documentAmounts, entry.debitCode);
    const double rawCredit = RawAmount(documentAmounts, entry.creditCode);
    // One amount for the line: the credit side's wins when it carries one.
    if (line.debitAccount[0] && services::CarriesAmount(rawDebit)) line.amount = rawDebit / kRawAmountScale;
    if (line.creditAccount[0] && services::CarriesAmount(rawCredit)) line.amount = rawCredit / kRawAmountScale;
    services::CopyText(line.description, entry.description, kLineDescriptionLength);
    services::CopyText(line.shortCode, entry.shortCode, kLineShortCodeLength);
    return false;
}

}  // namespace klarvo::posting
