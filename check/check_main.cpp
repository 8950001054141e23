// klarvo-check: reads the two Teta import files back, shows them and says whether they are
// sound, before an accountant imports them.
//
//   klarvo-check [--csv] COMPANY_DIR
//   klarvo-check [--csv] !Fs_pln.fkw !Konta.fkx
//
// Exit code 0 when sound, 1 with findings, 2 when the files cannot be read.

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "fields.h"
#include "klarvo_version.h"
#include "teta_check.h"

namespace klarvo::check {
namespace {

enum ExitCode : int { kSound = 0, kFindings = 1, kUnreadable = 2 };

const char* const kUsage =
    "usage: klarvo-check [--csv] COMPANY_DIR\n"
    "       klarvo-check [--csv] REGISTER_FILE ACCOUNTS_FILE\n";

void PrintFindings(std::ostream& out, const Findings& findings) {
    if (findings.faults.empty()) {
        out << "No findings: both files are sound.\n";
    } else {
        out << "Findings (" << findings.faults.size() << "):\n";
        for (const Finding& finding : findings.faults) out << "  " << Describe(finding) << "\n";
    }
    if (!findings.notes.empty()) {
        out << "To correct in the host before the import (" << findings.notes.size() << "):\n";
        for (const Finding& note : findings.notes) out << "  " << Describe(note) << "\n";
    }
}

void PrintSummary(std::ostream& out, const CheckResult& result) {
    out << "Documents " << result.salesRegister.documents << ", postings " << result.salesRegister.postings.rows.size()
        << ", customers " << result.accounts.customers.rows.size() << ", debits " << Money(result.salesRegister.debit)
        << ", credits " << Money(result.salesRegister.credit) << ", findings " << result.findings.faults.size()
        << ", notes " << result.findings.notes.size() << ".\n";
}

int Run(const std::vector<std::string>& arguments) {
    if (arguments.size() == 1 && arguments[0] == "--version") {
        std::cout << "klarvo-check " << KLARVO_VERSION << "\n";
        return kSound;
    }
    bool csv = false;
    std::vector<std::string> paths;
    for (const std::string& argument : arguments) {
        if (argument == "--csv") csv = true;
        else paths.push_back(argument);
    }
    if (paths.size() == 1) {
        paths = {(std::filesystem::path(paths[0]) / "!Fs_pln.fkw").string(),
                 (std::filesystem::path(paths[0]) / "!Konta.fkx").string()};
    }
    if (paths.size() != 2) {
        std::cerr << kUsage;
        return kUnreadable;
    }
    const CheckResult result = CheckTetaFiles(ReadTetaFiles(paths[0], paths[1]));
    if (csv) {
        PrintCsv(std::cout, result.salesRegister.postings);
        std::cout << "\r\n";
        PrintCsv(std::cout, result.accounts.customers);
        PrintFindings(std::cerr, result.findings);
        PrintSummary(std::cerr, result);
    } else {
        std::cout << "Sales register " << paths[0] << " (the run of " << result.salesRegister.runDate << "):\n";
        PrintAligned(std::cout, result.salesRegister.postings);
        std::cout << "\nCustomer accounts " << paths[1] << ":\n";
        PrintAligned(std::cout, result.accounts.customers);
        std::cout << "\n";
        PrintFindings(std::cout, result.findings);
        PrintSummary(std::cout, result);
    }
    return result.findings.faults.empty() ? kSound : kFindings;
}

}  // namespace
}  // namespace klarvo::check

int main(int argc, char** argv) {
    try {
        return klarvo::check::Run({argv + 1, argv + argc});
    } catch (const std::exception& error) {
        std::cerr << "klarvo-check: " << error.what() << "\n";
        return klarvo::check::kUnreadable;
    }
}
