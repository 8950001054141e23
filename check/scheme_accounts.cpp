#include "check/scheme_accounts.h"

#include <fstream>
#include <stdexcept>

#include "check/messages.h"
#include "check/paths.h"
#include "src/host/mazovia.h"
#include "src/teta/format.h"

namespace klarvo::check {
namespace {

using teta::kAccountLength;

// "%04d" writes this text for some number: at least four characters, digits, a minus in front
// of a negative one, zeros only to fill four.
std::optional<std::int32_t> CustomerCode(std::string_view code) {
    const bool negative = code.starts_with('-');
    const std::string_view digits = code.substr(negative ? 1 : 0);
    if (code.size() < 4 || digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    if (code.size() > 4 && digits[0] == '0') return std::nullopt;
    std::int32_t number = 0;
    for (const char c : digits) number = number * 10 + (c - '0');
    return negative ? -number : number;
}

// One quoted text of a stored scheme line, from `at`; moves past it and its comma.
std::optional<std::string> QuotedText(const std::string& line, std::size_t& at) {
    if (at >= line.size() || line[at] != '"') return std::nullopt;
    const std::size_t close = line.find('"', at + 1);
    if (close == std::string::npos) return std::nullopt;
    std::string text = line.substr(at + 1, close - at - 1);
    at = close + 2;
    return text;
}

std::string Trimmed(const std::string& text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos) return {};
    return text.substr(start, text.find_last_not_of(" \t\r") - start + 1);
}

}  // namespace

CustomerTemplates DefaultCustomerTemplates() { return {{"201-K"}}; }

CustomerTemplates ReadCustomerTemplates(const std::filesystem::path& configuration) {
    std::ifstream in(configuration, std::ios::binary);
    if (!in || std::filesystem::is_directory(configuration))
        throw CheckFailure({Text::CannotReadConfiguration, {Shown(configuration)}});
    CustomerTemplates scheme;
    bool inScheme = false, stored = false;
    for (std::string line; std::getline(in, line);) {
        line = Trimmed(line);
        if (line.starts_with('[')) {
            inScheme = line == "[ToburDekrSpr]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inScheme || equals == std::string::npos || !Trimmed(line.substr(0, equals)).starts_with("Dekret_")) continue;
        stored = true;
        // debit code, credit code, then the two account templates in quotes.
        const std::string value = Trimmed(line.substr(equals + 1));
        std::size_t at = value.find(',', value.find(',') + 1);
        if (at == std::string::npos) continue;
        ++at;
        for (int side = 0; side < 2; ++side)
            if (const auto text = QuotedText(value, at); text && text->find('K') != std::string::npos)
                scheme.templates.push_back(mazovia::IsValidUtf8(*text) ? mazovia::FromUtf8(*text) : *text);
    }
    return stored ? scheme : DefaultCustomerTemplates();
}

std::optional<CutCustomerAccount> CutCustomerAccountOf(std::string_view account, const CustomerTemplates& scheme) {
    if (account.size() != kAccountLength) return std::nullopt;
    for (const std::string& accountTemplate : scheme.templates) {
        const std::string_view prefix = std::string_view(accountTemplate).substr(0, accountTemplate.find('K'));
        // The shortest code, "%04d" of a number, would reach beyond the cut.
        if (prefix.size() + 4 <= kAccountLength || !account.starts_with(prefix)) continue;
        const std::string_view kept = account.substr(prefix.size());
        const std::string_view digits = kept.substr(kept.starts_with('-') ? 1 : 0);
        if (digits.find_first_not_of("0123456789") == std::string_view::npos) return CutCustomerAccount{accountTemplate, std::string(kept)};
    }
    return std::nullopt;
}

std::optional<std::int32_t> CustomerOfAccount(std::string_view account, const CustomerTemplates& scheme) {
    for (const std::string& accountTemplate : scheme.templates) {
        const std::size_t k = accountTemplate.find('K');
        const std::string_view prefix = std::string_view(accountTemplate).substr(0, k);
        const std::string_view suffix = std::string_view(accountTemplate).substr(k + 1);
        if (!account.starts_with(prefix)) continue;
        for (std::size_t length = 4; prefix.size() + length <= account.size(); ++length) {
            const std::string_view rest = account.substr(prefix.size() + length);
            const std::size_t kept = std::min(suffix.size(), kAccountLength - std::min(kAccountLength, prefix.size() + length));
            if (rest != suffix.substr(0, kept)) continue;
            if (const auto number = CustomerCode(account.substr(prefix.size(), length))) return number;
        }
    }
    return std::nullopt;
}

}  // namespace klarvo::check
