#pragma once
// Which customer a posting's account belongs to: the posting scheme's account templates put the
// customer code ("%04d" of the customer number) where their first K stands, so an account made
// from such a template carries the customer's number there. The scheme is read from the host's
// configuration (config.ini, section ToburDekrSpr) when there is one, else the default scheme;
// the report books each posting to the entry that made it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klarvo::check {

// An entry of the invoice scheme: the amount code and the account template of each side, and the
// description (Mazovia, as the host stores them).
struct SchemeEntry {
    int debitCode = 0, creditCode = 0;
    std::string debitAccount, creditAccount, description;
};

// The entries up to the first whose amount codes are both 0, where the export stops.
struct PostingScheme {
    std::vector<SchemeEntry> entries;
};

// The scheme the plug-in books by when none is stored: gross on 201-K, net on 731-1, VAT on 221-2.
PostingScheme DefaultPostingScheme();

// From an INI file of the host's configuration, the default scheme when it stores none; throws
// CheckFailure naming the file when it cannot be read.
PostingScheme ReadPostingScheme(const std::filesystem::path& configuration);

// The templates that hold a K, in Mazovia; the scheme's others carry no customer.
struct CustomerTemplates {
    std::vector<std::string> templates;
};

CustomerTemplates TemplatesOf(const PostingScheme& scheme);

// An account made from a template whose customer code the cut to 12 characters shortened: the
// template and the leading characters of the code that were kept (Mazovia).
struct CutCustomerAccount {
    std::string accountTemplate, keptCode;
};
std::optional<CutCustomerAccount> CutCustomerAccountOf(std::string_view account, const CustomerTemplates& scheme);

// The customer number of an account as written in the register (cut to 12 characters), when it
// was made from one of the templates.
std::optional<std::int32_t> CustomerOfAccount(std::string_view account, const CustomerTemplates& scheme);

}  // namespace klarvo::check
