// klarvo-check: reads the two Teta import files back, shows them and says whether they are
// sound, before an accountant imports them.
//
//   klarvo-check [--csv] COMPANY_DIR
//   klarvo-check [--csv] !Fs_pln.fkw !Konta.fkx           (--help for more)
//
// Exit code 0 when sound, 1 with findings, 2 when the files cannot be read.

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "fields.h"
#include "klarvo_version.h"
#include "teta_check.h"

namespace klarvo::check {
namespace {

enum ExitCode : int { kSound = 0, kFindings = 1, kUnreadable = 2 };

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
    CLI::App app{"Reads the two Teta import files back, shows them and says whether they are sound, before an import.",
                 "klarvo-check"};
    app.set_version_flag("--version", std::string("klarvo-check ") + KLARVO_VERSION);
    app.footer("Exit codes: 0 sound, 1 findings, 2 the files cannot be read.");
    bool csv = false;
    std::vector<std::string> paths;
    app.add_flag("--csv", csv, "the tables as CSV on standard output, the findings on standard error");
    app.add_option("FILES", paths, "a company folder, or the register file and the accounts file")
        ->required()->expected(1, 2);
    if (const auto done = cli::Parse(app, arguments)) return *done;
    if (paths.size() == 1) {
        if (!std::filesystem::is_directory(paths[0])) throw std::runtime_error(paths[0] + ": is no folder; give a "
                                                                               "company folder or both files");
        paths = {(std::filesystem::path(paths[0]) / "!Fs_pln.fkw").string(),
                 (std::filesystem::path(paths[0]) / "!Konta.fkx").string()};
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
