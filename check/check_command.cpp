#include "check/check_command.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "check/archive.h"
#include "check/paths.h"
#include "check/report_page.h"
#include "check/summary.h"
#include "check/table.h"
#include "check/teta_check.h"
#include "check/teta_records.h"
#include "cli/command_line.h"
#include "klarvo_version.h"

namespace klarvo::check {
namespace {

void PrintGroups(std::ostream& out, Language language, const std::vector<FindingGroup>& groups, std::int64_t total,
                 Text title) {
    if (groups.empty()) return;
    out << Say(language, {title, {Count(language, total)}}) << "\n";
    for (const FindingGroup& group : groups) {
        out << "  " << Say(language, {Text::GroupHeading, {group.rule, Count(language, group.count)}}) << "\n";
        for (const Finding& finding : group.first) out << "    " << Describe(finding, language) << "\n";
        if (const auto more = group.count - static_cast<std::int64_t>(group.first.size()); more > 0)
            out << "    " << Say(language, {Text::MorePlaces, {Counted(language, more, Noun::Place)}}) << "\n";
    }
}

void PrintFindings(std::ostream& out, Language language, const Findings& findings) {
    if (findings.FaultCount() == 0)
        out << Say(language, findings.NoteCount() == 0 ? Text::NoFindings : Text::NoFindingsButNotes) << "\n";
    PrintGroups(out, language, findings.Faults(), findings.FaultCount(), Text::FindingsTitle);
    PrintGroups(out, language, findings.Notes(), findings.NoteCount(), Text::NotesTitle);
}

// What is wrong with a command line, in the user's language; CLI11 names the option before ":".
std::string CommandLineError(Language language, const CLI::ParseError& error) {
    const std::string what = error.what();
    const std::string subject = what.substr(0, what.find(':'));
    if (dynamic_cast<const CLI::RequiredError*>(&error)) return Say(language, Text::NoFiles);
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) {
        const std::string extra = what.substr(what.find(": ") + 2);
        return Say(language, {extra.starts_with('-') ? Text::UnknownOption : Text::NotExpected, {extra}});
    }
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error))
        return subject == Say(language, Text::FilesName) ? Say(language, Text::TooManyFiles)
                                                          : Say(language, {Text::NeedsValue, {subject}});
    if (dynamic_cast<const CLI::ValidationError*>(&error)) return Say(language, {Text::NotAllowed, {subject}});
    if (const std::size_t excludes = what.find(" excludes ");
        dynamic_cast<const CLI::ExcludesError*>(&error) && excludes != std::string::npos)
        return Say(language, {Text::CannotCombine, {what.substr(0, excludes), what.substr(excludes + 10)}});
    return Say(language, {Text::UnreadableCommandLine, {what}});
}

// The help's own labels in the user's language; before any option is added, so that the help flag
// and every option stand in its group.
void WordHelp(CLI::App& app, Language language) {
    const auto say = [&](Text text) { return Say(language, text); };
    app.option_defaults()->group(say(Text::LabelOptions));
    app.set_help_flag("-h,--help", say(Text::HelpFlag));
    app.footer(say(Text::Footer));
    const std::shared_ptr<CLI::FormatterBase> formatter = app.get_formatter();
    for (const auto& [label, text] : {std::pair{"Usage", Text::LabelUsage}, std::pair{"OPTIONS", Text::LabelOptions},
                                      std::pair{"Positionals", Text::LabelPositionals},
                                      std::pair{"REQUIRED", Text::LabelRequired}, std::pair{"Excludes", Text::LabelExcludes},
                                      std::pair{"Needs", Text::LabelNeeds}, std::pair{"TEXT", Text::TypeText}})
        formatter->label(label, say(text));
}

struct Request {
    std::vector<std::string> paths;
    std::vector<std::string> history;
    std::optional<std::string> schemeFile, archive, report;
    bool show = false, csv = false, excel = false, all = false;
    std::string table = "register";
    std::string language;  // read before the command line, by LanguageOfArguments
};

void AddOptions(CLI::App& app, Language language, Request& request) {
    const auto say = [&](Text text) { return Say(language, text); };
    app.set_version_flag("--version", std::string("klarvo-check ") + KLARVO_VERSION, say(Text::VersionFlag));
    app.add_option(say(Text::FilesName), request.paths, say(Text::FilesOption))->required()->expected(1, 2)->type_name("");
    app.add_flag("--show", request.show, say(Text::ShowOption));
    CLI::Option* csv = app.add_flag("--csv", request.csv, say(Text::CsvOption));
    app.add_flag("--excel", request.excel, say(Text::ExcelOption))->excludes(csv);
    app.add_option("--table", request.table, say(Text::TableOption))
        ->type_name(say(Text::TypeText))
        ->check(CLI::IsMember({"register", "accounts"}))
        ->capture_default_str();
    app.add_flag("--all", request.all, say(Text::AllOption));
    app.add_option("--scheme", request.schemeFile, say(Text::SchemeOption))->type_name(say(Text::TypeFile));
    app.add_option("--history", request.history, say(Text::HistoryOption))->type_name(say(Text::TypeArchives));
    app.add_option("--archive", request.archive, say(Text::ArchiveOption))->type_name(say(Text::TypeArchives));
    app.add_option("--report", request.report, say(Text::ReportOption))->type_name(say(Text::TypeFile));
    app.add_option("--lang", request.language, say(Text::LangOption))
        ->type_name(say(Text::TypeText))
        ->check(CLI::IsMember({"pl", "en"}));
}

// What the report page gathers while the files are read: the postings as booked and the names of
// the customers.
struct ReportRows {
    BookedExport booked;
    std::map<std::int32_t, std::string> customerNames;

    void Customer(const Row& row) {
        if (const auto number = CustomerNumberOf(row[0])) customerNames.emplace(*number, row[2]);
    }
};

std::string CheckedOn(const std::tm& time, Language language) {
    char text[32];
    std::strftime(text, sizeof text, language == Language::Polish ? "%d.%m.%Y %H:%M" : "%Y-%m-%d %H:%M", &time);
    return text;
}

void WriteReport(const std::filesystem::path& file, const std::string& page, Language language) {
    std::ofstream out(file, std::ios::binary);
    out << page;
    if (!out.flush())
        throw CheckFailure({Text::ReportFailed, {Shown(file), SystemError(language, std::make_error_code(std::errc::io_error))}});
}

// Sound files that repeat nothing go into the archive as RUNDATE_FIRST_LAST.
void Archive(std::ostream& report, Language language, const std::filesystem::path& archive, const CheckResult& result,
             const ExportFiles& files) {
    const RegisterContent& r = result.salesRegister;
    if (result.findings.FaultCount() > 0) {
        report << Say(language, Text::NotArchivedFindings) << "\n";
    } else if (r.documents == 0) {
        report << Say(language, Text::NothingToArchive) << "\n";
    } else {
        const std::filesystem::path archived =
            ArchiveExport(archive, r.runDate + "_" + r.firstDate + "_" + r.lastDate, files, language);
        report << Say(language, {Text::Archived, {Shown(archived)}}) << "\n";
    }
}

int Check(const Request& request, Language language, const Console& console) {
    std::filesystem::path registerPath, accountsPath, folder;
    if (request.paths.size() == 1) {
        folder = PathOf(request.paths[0]);
        if (!std::filesystem::exists(folder)) throw CheckFailure({Text::NoSuchPath, {Shown(folder)}});
        if (!std::filesystem::is_directory(folder)) throw CheckFailure({Text::OneFile, {Shown(folder)}});
        registerPath = folder / kRegisterFile;
        accountsPath = folder / kAccountsFile;
        for (const char* name : {kRegisterFile, kAccountsFile})
            if (!std::filesystem::exists(folder / name)) throw CheckFailure({Text::FolderWithout, {Shown(folder), name}});
    } else {
        registerPath = PathOf(request.paths[0]);
        accountsPath = PathOf(request.paths[1]);
    }
    CheckSetup setup;
    setup.language = language;
    setup.registerName = Shown(registerPath);
    setup.accountsName = Shown(accountsPath);
    if (request.all) setup.firstPlaces = SIZE_MAX;
    if (request.schemeFile)
        setup.scheme = ReadPostingScheme(PathOf(*request.schemeFile));
    else if (!folder.empty() && std::filesystem::exists(folder / "config.ini"))
        setup.scheme = ReadPostingScheme(folder / "config.ini");
    std::vector<ExportFiles> archives;
    for (const std::string& earlier : request.history) {
        const std::filesystem::path path = PathOf(earlier);
        archives.push_back(std::filesystem::is_directory(path) ? FilesOfExport(path, false) : ExportFiles{path, {}});
    }
    const std::optional<std::filesystem::path> archive =
        request.archive ? std::optional(PathOf(*request.archive)) : std::nullopt;
    Findings archiveFindings(language, SIZE_MAX);
    if (archive && std::filesystem::exists(*archive)) {
        if (!std::filesystem::is_directory(*archive)) throw CheckFailure({Text::ArchiveNotFolder, {Shown(*archive)}});
        for (ExportFiles& archived : ArchivedExports(*archive, archiveFindings)) archives.push_back(std::move(archived));
    }
    const History earlier = ReadHistory(archives);
    if (!archives.empty() || archive) setup.history = &earlier;

    std::ifstream registerIn = OpenTetaFile(registerPath), accountsIn = OpenTetaFile(accountsPath);
    const bool forProgram = request.csv || request.excel;
    std::ostream& out = console.out;
    std::ostream& report = forProgram ? console.err : out;
    std::optional<TableWriter> registerTable, accountTable;
    if (forProgram) {
        if (console.beforeTable) console.beforeTable();
        const TableForm form = request.excel ? TableForm::Excel : TableForm::Csv;
        if (request.table == "register") registerTable.emplace(out, form, ListingColumns(TetaRecord::Posting), language);
        else accountTable.emplace(out, form, ListingColumns(TetaRecord::Account), language);
    } else if (request.show) {
        out << Say(language, {Text::ShowAccounts, {setup.accountsName}}) << "\n";
        accountTable.emplace(out, TableForm::Aligned, ListingColumns(TetaRecord::Account), language);
    }
    std::optional<ReportRows> reportRows;
    if (request.report) reportRows.emplace(ReportRows{BookedExport(setup.scheme), {}});
    setup.accountRows = [&](const Row& row) {
        if (accountTable) accountTable->Write(row);
        if (reportRows) reportRows->Customer(row);
    };
    setup.registerRows = [&](const Row& row) {
        if (request.show && !forProgram && !registerTable) {
            out << "\n" << Say(language, {Text::ShowRegister, {setup.registerName}}) << "\n";
            registerTable.emplace(out, TableForm::Aligned, ListingColumns(TetaRecord::Posting), language);
        }
        if (registerTable) registerTable->Write(row);
        if (reportRows) reportRows->booked.Posting(row);
    };
    CheckResult result = CheckTetaFiles(registerIn, accountsIn, setup);
    result.findings.Take(archiveFindings);
    if (request.show && !forProgram) out << "\n";
    PrintFindings(report, language, result.findings);
    report << SummaryLine(result, language) << "\n";
    if (archive) Archive(report, language, *archive, result, {registerPath, accountsPath});
    if (reportRows) {
        const std::filesystem::path page = PathOf(*request.report);
        WriteReport(page,
                    ReportPage({result, reportRows->booked, reportRows->customerNames, setup.registerName, setup.accountsName,
                                CheckedOn(console.now(), language)},
                               language),
                    language);
        report << Say(language, {Text::ReportWritten, {Shown(page)}}) << "\n";
        if (console.desktop) {
            console.desktop->open(page);
            console.desktop->show(Say(language, {Text::BoxReport, {Verdict(result.findings, language), SummaryLine(result, language), Shown(page)}}),
                                  result.findings.FaultCount() > 0);
        }
    }
    return result.findings.FaultCount() == 0 ? kSound : kFindings;
}

// On the desktop the report goes beside the files given, or into the working folder.
void AddDesktopReport(std::vector<std::string>& arguments, Language language) {
    if (arguments.empty()) arguments.push_back(".");
    const std::filesystem::path first = PathOf(arguments.front());
    const std::filesystem::path folder = std::filesystem::is_directory(first) ? first : first.parent_path();
    arguments.push_back("--report");
    arguments.push_back(Shown(folder / PathOf(Say(language, Text::ReportFileName))));
}

}  // namespace

std::tm Console::LocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

int RunCheck(std::vector<std::string> arguments, Language language, const Console& console) {
    language = LanguageOfArguments(arguments, language);
    if (console.desktop) AddDesktopReport(arguments, language);
    // On the desktop what goes wrong is shown in a message box, there being no console to read it.
    std::ostringstream desktopErr;
    std::ostream& err = console.desktop ? desktopErr : console.err;
    const auto failed = [&](int exitCode) {
        if (console.desktop && exitCode != kSound) console.desktop->show(desktopErr.str(), true);
        return exitCode;
    };
    CLI::App app{Say(language, Text::Description), "klarvo-check"};
    WordHelp(app, language);
    Request request;
    AddOptions(app, language, request);
    const cli::Words words{[&](const CLI::ParseError& error) { return CommandLineError(language, error); },
                           [&](const std::string& nearest) { return Say(language, {Text::DidYouMean, {nearest}}); }};
    if (const auto done = cli::Parse(app, arguments, words, console.out, err)) return failed(*done);
    try {
        return Check(request, language, console);
    } catch (const CheckFailure& error) {
        err << "klarvo-check: " << Say(language, error.message) << "\n";
    } catch (const std::exception& error) {
        err << "klarvo-check: " << error.what() << "\n";
    }
    return failed(kFailed);
}

}  // namespace klarvo::check
