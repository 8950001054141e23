#include "check/teta_check.h"

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
                      [&](const DocumentKey& document) { history.documents.insert(document); });
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
    context.scheme = setup.scheme;
    context.earlier = setup.history ? &setup.history->documents : nullptr;
    result.salesRegister = CheckRegister(registerIn, setup.registerName, result.findings, context, setup.registerRows);
    if (context.accounts && !result.salesRegister.foreign && !setup.scheme.templates.empty())
        NoteUnbookedAccounts(result.accounts, result.salesRegister, setup.accountsName, result.findings);
    if (setup.history) CompareWithHistory(result.accounts, *setup.history, setup.accountsName, result.findings);
    return result;
}

CheckResult CheckTetaBytes(const std::string& registerBytes, const std::string& accountsBytes, const CheckSetup& setup) {
    std::istringstream registerIn(registerBytes), accountsIn(accountsBytes);
    return CheckTetaFiles(registerIn, accountsIn, setup);
}

}  // namespace klarvo::check
