#include "check/scheme_accounts.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <stdexcept>

#include "check/messages.h"
#include "check/paths.h"
#include "src/host/amount_names.h"
#include "src/host/mazovia.h"
#include "src/teta/format.h"

namespace klarvo::check {
namespace {

using teta::kAccountLength;
constexpr int kSchemeEntries = 14;

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

// An entry's number after "Dekret_": 0 to 13.
std::optional<int> EntryIndex(const std::string& digits) {
    if (digits.empty() || digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const int index = std::stoi(digits);
    return index < kSchemeEntries ? std::optional(index) : std::nullopt;
}

// An amount code from `at` to the next comma, moving past the comma; 0 when it is none of 0 to 32.
int Code(const std::string& value, std::size_t& at) {
    const std::size_t comma = std::min(value.find(',', at), value.size());
    int code = 0;
    const std::string text = value.substr(at, comma - at);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
    at = comma + 1;
    return error == std::errc{} && end == text.data() + text.size() && code >= 0 && code < host::kAmountNameCount ? code : 0;
}

// The host writes its configuration in its code page; a text typed in UTF-8 by hand is read as
// the host would show it.
std::string Mazovia(const std::string& text) {
    if (!mazovia::IsValidUtf8(text)) return text;
    try {
        return mazovia::FromUtf8(text);
    } catch (const std::invalid_argument&) {
        return text;
    }
}

std::string Trimmed(const std::string& text) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos) return {};
    return text.substr(start, text.find_last_not_of(" \t\r") - start + 1);
}

}  // namespace

PostingScheme DefaultPostingScheme() {
    return {{{3, 0, "201-K", "", "Sprzedaż"_mz}, {0, 1, "", "731-1", "Netto"}, {0, 2, "", "221-2", "Vat"}}};
}

PostingScheme ReadPostingScheme(const std::filesystem::path& configuration) {
    std::ifstream in(configuration, std::ios::binary);
    if (!in || std::filesystem::is_directory(configuration))
        throw CheckFailure({Text::CannotReadConfiguration, {Shown(configuration)}});
    std::map<int, SchemeEntry> stored;
    bool inScheme = false;
    for (std::string line; std::getline(in, line);) {
        line = Trimmed(line);
        if (line.starts_with('[')) {
            inScheme = line == "[ToburDekrSpr]";
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string key = equals == std::string::npos ? "" : Trimmed(line.substr(0, equals));
        const auto index = key.starts_with("Dekret_") ? EntryIndex(key.substr(7)) : std::nullopt;
        if (!inScheme || !index) continue;
        // The two amount codes, then the two account templates and the description in quotes.
        SchemeEntry& entry = stored[*index];
        const std::string value = Trimmed(line.substr(equals + 1));
        std::size_t at = 0;
        entry.debitCode = Code(value, at);
        entry.creditCode = Code(value, at);
        for (std::string* text : {&entry.debitAccount, &entry.creditAccount, &entry.description})
            if (const auto quoted = QuotedText(value, at)) *text = Mazovia(*quoted);
    }
    if (stored.empty()) return DefaultPostingScheme();
    PostingScheme scheme;
    for (int k = 0; stored.count(k) && (stored[k].debitCode != 0 || stored[k].creditCode != 0); ++k)
        scheme.entries.push_back(stored[k]);
    return scheme;
}

CustomerTemplates TemplatesOf(const PostingScheme& scheme) {
    CustomerTemplates templates;
    for (const SchemeEntry& entry : scheme.entries)
        for (const std::string* text : {&entry.debitAccount, &entry.creditAccount})
            if (text->find('K') != std::string::npos) templates.templates.push_back(*text);
    return templates;
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
