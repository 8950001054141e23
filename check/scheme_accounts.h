#pragma once
// Which customer a posting's account belongs to: the posting scheme's account templates put the
// customer code ("%04d" of the customer number) where their first K stands, so an account made
// from such a template carries the customer's number there. The scheme is read from the host's
// configuration (config.ini, section ToburDekrSpr) when there is one, else the default scheme.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace klarvo::check {

// The templates that hold a K, in Mazovia; the scheme's others carry no customer.
struct CustomerTemplates {
    std::vector<std::string> templates;
};

// The default scheme's: "201-K".
CustomerTemplates DefaultCustomerTemplates();

// From an INI file of the host's configuration; throws CheckFailure naming the file when it
// cannot be read.
CustomerTemplates ReadCustomerTemplates(const std::filesystem::path& configuration);

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
