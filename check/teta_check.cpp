#include "check/teta_check.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "check/paths.h"
#include "src/host/mazovia.h"

namespace klarvo::check {
namespace {

void CompareWithHistory(const AccountsContent& accounts, const History& history, const std::string& file,
                        Findings& findings) {
    for (const auto& [customer, record] : accounts.records) {
        const auto earlier = history.records.find(customer);
        if (earlier == history.records.end() || earlier->second == record) continue;
        findings.Note(FindingKind::Customers, file, 0, Text::ChangedRecordRule,
                      {Text::ChangedRecord, {std::to_string(customer)}});
    }
}

// Customers whose accounts the cut to 12 characters made one: each account whose kept code begins
// the code of two or more customers of the accounts file books them together. They are booked on
// it, so no note takes their records for those of another export.
void FindMergedCustomers(const AccountsContent& accounts, RegisterContent& salesRegister, const std::string& file,
                         Findings& findings) {
    constexpr std::size_t kListed = 10;
    const Language language = findings.language();
    for (const auto& [account, cut] : salesRegister.cutAccounts) {
        std::vector<std::int32_t> merged;
        for (const auto& [customer, line] : accounts.lines) {
            char code[16];
            std::snprintf(code, sizeof code, "%04d", static_cast<int>(customer));
            if (std::string_view(code).starts_with(cut.first.keptCode)) merged.push_back(customer);
        }
        for (const std::int32_t customer : merged) salesRegister.booked.Add(customer);
        if (merged.size() < 2) continue;
        std::sort(merged.begin(), merged.end());
        std::string listed;
        for (std::size_t k = 0; k < merged.size() && k < kListed; ++k) listed += (k ? ", " : "") + std::to_string(merged[k]);
        if (merged.size() > kListed)
            listed += Say(language, {Text::MoreRanges, {Count(language, static_cast<std::int64_t>(merged.size() - kListed))}});
        const std::string length = std::to_string(teta::kAccountLength);
        findings.Fault(FindingKind::Customers, file, cut.second, {Text::MergedRule, {length}},
                       Message{Text::Merged, {mazovia::ToUtf8(account), mazovia::ToUtf8(cut.first.accountTemplate), length, listed}});
    }
}

// A record of a customer to whose account no posting books: the two files come from different
// exports, or a document was left out.
void NoteUnbookedAccounts(const AccountsContent& accounts, const RegisterContent& salesRegister, const std::string& file,
                          Findings& findings) {
    for (const auto& [customer, line] : accounts.lines)
        if (!salesRegister.booked.Has(customer))
            findings.Note(FindingKind::Customers, file, line, Text::UnbookedAccountRule,
                          {Text::UnbookedAccount, {std::to_string(customer)}});
}

}  // namespace

std::ifstream OpenTetaFile(const std::filesystem::path& path) {
    if (std::filesystem::is_directory(path)) throw CheckFailure({Text::IsADirectory, {Shown(path)}});
    if (!std::filesystem::exists(path)) throw CheckFailure({Text::NoSuchPath, {Shown(path)}});
    std::ifstream in(path, std::ios::binary);
    if (!in) throw CheckFailure({Text::CannotRead, {Shown(path)}});
    return in;
}

History ReadHistory(const std::vector<ExportFiles>& exports) {
    History history;
    for (const ExportFiles& files : exports) {
        Findings ignored(Language::English, 0);
        std::ifstream registerIn = OpenTetaFile(files.salesRegister);
        CheckRegister(registerIn, Shown(files.salesRegister), ignored, {}, {},
                      [&](const DocumentKey& document) {
                          history.documents.try_emplace(document, Shown(files.salesRegister.parent_path()));
                      });
        if (files.accounts.empty()) continue;
        std::ifstream accountsIn = OpenTetaFile(files.accounts);
        for (auto& [customer, record] : CheckAccounts(accountsIn, Shown(files.accounts), ignored, {}, true).records)
            history.records[customer] = std::move(record);
    }
    return history;
}

CheckResult CheckTetaFiles(std::istream& registerIn, std::istream& accountsIn, const CheckSetup& setup) {
    CheckResult result{{}, {}, Findings(setup.language, setup.firstPlaces)};
    result.accounts = CheckAccounts(accountsIn, setup.accountsName, result.findings, setup.accountRows,
                                    setup.history != nullptr);
    RegisterContext context;
    context.accounts = result.accounts.foreign ? nullptr : &result.accounts;
    context.scheme = TemplatesOf(setup.scheme);
    context.earlier = setup.history ? &setup.history->documents : nullptr;
    result.salesRegister = CheckRegister(registerIn, setup.registerName, result.findings, context, setup.registerRows);
    if (context.accounts) FindMergedCustomers(result.accounts, result.salesRegister, setup.registerName, result.findings);
    if (context.accounts && !result.salesRegister.foreign && !context.scheme.templates.empty())
        NoteUnbookedAccounts(result.accounts, result.salesRegister, setup.accountsName, result.findings);
    if (setup.history) CompareWithHistory(result.accounts, *setup.history, setup.accountsName, result.findings);
    return result;
}

CheckResult CheckTetaBytes(const std::string& registerBytes, const std::string& accountsBytes, const CheckSetup& setup) {
    std::istringstream registerIn(registerBytes), accountsIn(accountsBytes);
    return CheckTetaFiles(registerIn, accountsIn, setup);
}

}  // namespace klarvo::check
