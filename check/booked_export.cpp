#include "check/booked_export.h"

#include <algorithm>

#include "check/fields.h"
#include "src/host/amount_names.h"
#include "src/teta/format.h"

namespace klarvo::check {
namespace {

// The fields of a posting row, as the posting table lists them.
enum PostingColumn : std::size_t { kAccount, kDebit, kCredit, kNumber, kDate, kDueDate, kToken, kDescription };

// Whether an account was made from a template: the template itself, or, where it holds a K, its
// text around a customer code; either cut to the account's 12 characters.
bool MadeFrom(const std::string& account, const std::string& accountTemplate) {
    if (accountTemplate.find('K') == std::string::npos) return account == accountTemplate.substr(0, teta::kAccountLength);
    return CustomerOfAccount(account, CustomerTemplates{{accountTemplate}}).has_value() ||
           CutCustomerAccountOf(account, CustomerTemplates{{accountTemplate}}).has_value();
}

}  // namespace

AmountKind KindOfAmount(int code) {
    const std::string_view name = host::AmountName(code);
    struct Start {
        std::string_view text;
        AmountKind kind;
    };
    static constexpr Start kStarts[] = {{"Brutto", AmountKind::Gross}, {"Bru ", AmountKind::Gross}, {"Netto", AmountKind::Net},
                                        {"Net ", AmountKind::Net},     {"Vat", AmountKind::Vat}};
    for (const Start& start : kStarts)
        if (name.starts_with(start.text)) return start.kind;
    return AmountKind::Other;
}

BookedExport::BookedExport(PostingScheme scheme) : scheme_(std::move(scheme)), templates_(TemplatesOf(scheme_)) {}

std::optional<int> BookedExport::EntryOf(const std::string& account, std::string_view description, bool debit) {
    for (int k = nextEntry_; k < static_cast<int>(scheme_.entries.size()); ++k) {
        const SchemeEntry& entry = scheme_.entries[static_cast<std::size_t>(k)];
        // The record names the debit account when the entry has one, else the credit account.
        const std::string& accountTemplate = entry.debitAccount.empty() ? entry.creditAccount : entry.debitAccount;
        const bool sideFits = debit ? !entry.debitAccount.empty() : !entry.creditAccount.empty();
        if (sideFits && MadeFrom(account, accountTemplate) &&
            description == Trimmed(std::string_view(entry.description).substr(0, teta::kDescriptionLength))) {
            nextEntry_ = k + 1;
            return k;
        }
    }
    return std::nullopt;
}

void BookedExport::Posting(const Row& row) {
    const std::int64_t debit = Hundredths(row[kDebit], 0).value_or(0), credit = Hundredths(row[kCredit], 0).value_or(0);
    if (documents_.empty() || documents_.back().number != row[kNumber] || documents_.back().date != row[kDate]) {
        documents_.push_back({row[kNumber], row[kDate], row[kDueDate], std::nullopt, 0, 0, 0, {}});
        nextEntry_ = 0;
    }
    BookedDocument& document = documents_.back();
    const std::string& account = row[kAccount];
    if (std::find(document.accounts.begin(), document.accounts.end(), account) == document.accounts.end())
        document.accounts.push_back(account);
    if (!document.customer) document.customer = CustomerOfAccount(account, templates_);

    BookedTotal& total = accounts_[account];
    total.debit += debit;
    total.credit += credit;
    ++total.postings;
    const std::optional<int> entry = EntryOf(account, Trimmed(row[kDescription]), debit != 0);
    BookedTotal& position = positions_[entry.value_or(-1)];
    position.debit += debit;
    position.credit += credit;
    ++position.postings;
    if (!entry) return;
    const SchemeEntry& made = scheme_.entries[static_cast<std::size_t>(*entry)];
    const AmountKind kind = KindOfAmount(debit != 0 ? made.debitCode : made.creditCode);
    std::int64_t* const sums[] = {nullptr, &document.gross, &document.net, &document.vat};
    if (std::int64_t* sum = sums[static_cast<int>(kind)]) *sum += debit + credit;
}

std::vector<PositionTotal> BookedExport::Positions() const {
    std::vector<PositionTotal> positions;
    for (const auto& [entry, total] : positions_)
        if (entry >= 0) positions.push_back({entry, total});
    if (const auto none = positions_.find(-1); none != positions_.end()) positions.push_back({-1, none->second});
    return positions;
}

}  // namespace klarvo::check
