#pragma once
// What the register books, as an accountant reconciles it: each document with its customer and
// its gross, net and VAT amounts, the totals of each account, and the totals of each position of
// the posting scheme (what the host's VAT register of the period must show). A posting belongs to
// the first entry of the scheme, after the one before it, whose description and account template
// it bears; the entry's amount code tells whether it books a gross, a net or a VAT amount.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "check/accounts_check.h"
#include "check/scheme_accounts.h"

namespace klarvo::check {

struct BookedDocument {
    std::string number, date, dueDate;   // Mazovia; dates YYYY-MM-DD
    std::optional<std::int32_t> customer;  // of the first posting to a customer's account
    std::int64_t gross = 0, net = 0, vat = 0;  // hundredths
    std::vector<std::string> accounts;         // in the order the postings name them, each once
};

struct BookedTotal {
    std::int64_t debit = 0, credit = 0, postings = 0;  // hundredths
};

// A position of the scheme: its entry (-1 for postings that no entry made) and its totals.
struct PositionTotal {
    int entry = -1;
    BookedTotal total;
};

class BookedExport {
public:
    explicit BookedExport(PostingScheme scheme);

    // A posting record as the register check sees it (the fields of the posting table).
    void Posting(const Row& row);

    const std::vector<BookedDocument>& Documents() const { return documents_; }
    const std::map<std::string, BookedTotal>& Accounts() const { return accounts_; }
    // In the order of the scheme; the postings of no entry last.
    std::vector<PositionTotal> Positions() const;
    const PostingScheme& Scheme() const { return scheme_; }

private:
    std::optional<int> EntryOf(const std::string& account, std::string_view description, bool debit);

    PostingScheme scheme_;
    CustomerTemplates templates_;
    std::vector<BookedDocument> documents_;
    std::map<std::string, BookedTotal> accounts_;
    std::map<int, BookedTotal> positions_;
    int nextEntry_ = 0;  // of the open document
};

// Whether an amount code names a gross, a net or a VAT amount, by the host's names for them.
enum class AmountKind { Other, Gross, Net, Vat };
AmountKind KindOfAmount(int code);

}  // namespace klarvo::check
