// klarvo-check: reads the two Teta import files back, checks them and says whether they are
// sound, before an accountant imports them. --help tells the rest.
//
// Exit code 0 when sound, 1 with findings (a document exported before among them), 2 when the
// files cannot be read.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "command_line.h"
#include "fields.h"
#include "klarvo_version.h"
#include "table.h"
#include "teta_check.h"

namespace klarvo::check {
namespace {

enum ExitCode : int { kSound = 0, kFindings = 1, kUnreadable = 2 };

const char* const kRegisterFile = "!Fs_pln.fkw";
const char* const kAccountsFile = "!Konta.fkx";

void PrintGroups(std::ostream& out, const std::vector<FindingGroup>& groups, std::int64_t total, const char* title) {
    if (groups.empty()) return;
    out << title << " (" << total << "):\n";
    for (const FindingGroup& group : groups) {
        out << "  " << group.rule << " (" << group.count << ")\n";
        for (const Finding& finding : group.first) out << "    " << Describe(finding) << "\n";
        if (group.count > static_cast<std::int64_t>(group.first.size()))
            out << "    … and " << group.count - static_cast<std::int64_t>(group.first.size()) << " more (--all lists them)\n";
    }
}

void PrintFindings(std::ostream& out, const Findings& findings) {
    if (findings.FaultCount() == 0) out << "No findings: both files are sound.\n";
    PrintGroups(out, findings.Faults(), findings.FaultCount(), "Findings, to mend before the import");
    PrintGroups(out, findings.Notes(), findings.NoteCount(), "Notes, to look at before the import");
}

void PrintSummary(std::ostream& out, const CheckResult& result) {
    const RegisterContent& r = result.salesRegister;
    out << "Period " << (r.firstDate.empty() ? "-" : r.firstDate) << " to " << (r.lastDate.empty() ? "-" : r.lastDate)
        << " (the run of " << (r.runDate.empty() ? "-" : r.runDate) << "): documents " << r.documents << ", postings "
        << r.postings << ", customers " << result.accounts.customers << ", debits " << Money(r.debit) << ", credits "
        << Money(r.credit) << ", findings " << result.findings.FaultCount() << ", notes " << result.findings.NoteCount()
        << ".\n";
}

// Windows: UTF-8 on the console, and the tables' own CR LF on a redirected output.
void PrepareOutput(bool binary) {
#if defined(_WIN32)
    SetConsoleOutputCP(CP_UTF8);
    if (binary) _setmode(_fileno(stdout), _O_BINARY);
#else
    (void)binary;
#endif
}

int Run(const std::vector<std::string>& arguments) {
    CLI::App app{"Reads the two Teta import files back and says whether they are sound, before an import.", "klarvo-check"};
    app.set_version_flag("--version", std::string("klarvo-check ") + KLARVO_VERSION);
    app.footer("Exit codes: 0 sound, 1 findings (a document exported before among them), 2 the files cannot be read.");
    std::vector<std::string> paths;
    std::vector<std::filesystem::path> history;
    std::optional<std::filesystem::path> schemeFile;
    bool show = false, csv = false, excel = false, all = false;
    std::string table = "register";
    app.add_option("FILES", paths, "a company folder, or the register file and the accounts file")->required()->expected(1, 2);
    app.add_flag("--show", show, "show both files as aligned tables before the findings");
    CLI::Option* csvFlag = app.add_flag("--csv", csv, "one table as CSV on standard output; findings on standard error");
    app.add_flag("--excel", excel, "the same as a Polish spreadsheet opens it: UTF-8 with BOM, \";\", decimal comma")
        ->excludes(csvFlag);
    app.add_option("--table", table, "the table of --csv or --excel")->check(CLI::IsMember({"register", "accounts"}))
        ->capture_default_str();
    app.add_flag("--all", all, "list every place of every finding, not only the first 5 of each rule");
    app.add_option("--scheme", schemeFile, "the host's configuration holding the posting scheme (default: the folder's "
                                           "config.ini, else the default scheme)");
    app.add_option("--history", history, "earlier exports (folders or register files): a document exported again is a "
                                          "finding")->type_name("ARCHIVE ...");
    if (const auto done = cli::Parse(app, arguments)) return *done;

    PrepareOutput(csv || excel);
    std::filesystem::path registerPath, accountsPath, folder;
    if (paths.size() == 1) {
        folder = paths[0];
        if (!std::filesystem::is_directory(folder))
            throw std::runtime_error(paths[0] + ": is no folder; give a company folder or both files");
        registerPath = folder / kRegisterFile;
        accountsPath = folder / kAccountsFile;
    } else {
        registerPath = paths[0];
        accountsPath = paths[1];
    }
    CheckSetup setup;
    setup.registerName = registerPath.string();
    setup.accountsName = accountsPath.string();
    if (all) setup.firstPlaces = SIZE_MAX;
    if (schemeFile)
        setup.scheme = ReadCustomerTemplates(*schemeFile);
    else if (!folder.empty() && std::filesystem::exists(folder / "config.ini"))
        setup.scheme = ReadCustomerTemplates(folder / "config.ini");
    const History earlier = ReadHistory(history);
    if (!history.empty()) setup.history = &earlier;

    std::ifstream registerIn = OpenTetaFile(registerPath), accountsIn = OpenTetaFile(accountsPath);
    std::ostream& report = csv || excel ? std::cerr : std::cout;
    std::optional<TableWriter> registerTable, accountTable;
    if (csv || excel) {
        const TableForm form = excel ? TableForm::Excel : TableForm::Csv;
        if (table == "register") registerTable.emplace(std::cout, form, PostingTable());
        else accountTable.emplace(std::cout, form, AccountTable());
    } else if (show) {
        std::cout << "Customer accounts " << accountsPath.string() << ":\n";
        accountTable.emplace(std::cout, TableForm::Aligned, AccountTable());
    }
    if (accountTable) setup.accountRows = [&](const Row& row) { accountTable->Write(row); };
    if (registerTable) setup.registerRows = [&](const Row& row) { registerTable->Write(row); };
    if (show && !csv && !excel)
        setup.registerRows = [&](const Row& row) {
            if (!registerTable) {
                std::cout << "\nSales register " << registerPath.string() << ":\n";
                registerTable.emplace(std::cout, TableForm::Aligned, PostingTable());
            }
            registerTable->Write(row);
        };
    const CheckResult result = CheckTetaFiles(registerIn, accountsIn, setup);
    if (show && !csv && !excel) std::cout << "\n";
    PrintFindings(report, result.findings);
    PrintSummary(report, result);
    return result.findings.FaultCount() == 0 ? kSound : kFindings;
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
