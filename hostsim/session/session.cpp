#include "hostsim/session/session.h"

#include <fstream>
#include <iostream>
#include <stdexcept>

#include "cli/command_line.h"
#include "hostsim/company/company_generator.h"
#include "hostsim/company/table_file.h"
#include "hostsim/host.h"
#include "hostsim/session/command_options.h"
#include "hostsim/session/day.h"
#include "hostsim/session/day_random.h"
#include "hostsim/session/failure_options.h"
#include "hostsim/session/day_script.h"
#include "hostsim/session/outcome.h"
#include "hostsim/session/plugin_session.h"
#include "hostsim/session/process.h"
#include "klarvo_version.h"
#include "src/host/mazovia.h"

namespace klarvo::sim {
namespace {

void AddCompany(CLI::App& command, HostOptions& o) {
    command.add_option("COMPANY_DIR", o.company, "the company folder, the host's working folder")->required();
    o.echoMessages = true;
}

// Runs the host with the plug-in and lets the user pick the export command once. The exit
// code when that went wrong, or nothing.
std::optional<int> RunSession(Host& host, PluginModule& plugin) {
    try {
        const bool initialised = RunPluginSession(host, plugin, [&] { RunModuleCommand(host, plugin); });
        if (const auto broken = BrokenOff(host)) return broken;
        if (!initialised) {
            if (host.Messages().empty())
                std::cerr << "morvel: the host refused the module, and the module could not show its load failure report\n";
            return kFailed;
        }
    } catch (const ContractViolation&) {
        return kContractBroken;
    }
    return std::nullopt;
}

// The message boxes shown, as morvel prints them, also written into a file.
void WriteMessages(const Host& host, const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary);
    for (const Message& message : host.Messages()) out << PrintedMessage(message);
    if (!out.flush()) throw std::runtime_error(file.string() + ": cannot be written");
}

int Export(const HostOptions& options, PluginModule& plugin, const std::filesystem::path& messagesFile) {
    Host host(options);
    const std::optional<int> failed = RunSession(host, plugin);
    if (!messagesFile.empty()) WriteMessages(host, messagesFile);
    return failed ? *failed : ExportOutcome(host);
}

// The range form, pressed " Ko~n~fig", the editor shown (and edited from a file), then "Anuluj".
int Scheme(const HostOptions& options, PluginModule& plugin) {
    Host host(options);
    if (const auto failed = RunSession(host, plugin)) return *failed;
    return SchemeOutcome(host);
}

// The range form as it opens, then "Anuluj".
int Form(const HostOptions& options, PluginModule& plugin) {
    Host host(options);
    if (const auto failed = RunSession(host, plugin)) return *failed;
    return FormOutcome(host);
}

// A day in the host: the script's actions, or a random day's, with the plug-in loaded once.
int RunDay(const DayOptions& options, const std::filesystem::path& script, std::optional<std::size_t> randomActions,
           std::uint64_t seed, PluginModule& plugin) {
    if (!randomActions) return Day(options, plugin).Run(ReadDayScript(script));
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("klarvo-random-day-" + std::to_string(seed) + "-" + std::to_string(*randomActions));
    std::filesystem::create_directories(folder);
    const std::vector<std::string> lines = RandomDay(*randomActions, seed, options.company, folder);
    const std::string source = "random day (seed " + std::to_string(seed) + ")";
    const int code = Day(options, plugin).Run(ReadDayLines(lines, source, folder));
    std::filesystem::remove_all(folder);
    return code;
}

int Generate(const std::filesystem::path& folder, const GeneratorOptions& options, bool force) {
    for (const char* table : {"customers.csv", "documents.csv"})
        if (!force && std::filesystem::exists(folder / table))
            throw std::runtime_error((folder / table).string() +
                                     ": the folder already holds a company; --force writes over it");
    try {
        GenerateCompany(folder, options);
    } catch (const std::invalid_argument& error) {
        throw CLI::ValidationError("generate", error.what());
    }
    std::cout << "morvel: wrote " << options.documents << " documents and " << options.customers
              << " customers into " << folder.string() << "\n";
    return kDone;
}

int PrintText(const std::filesystem::path& file) {
    std::cout << mazovia::ToUtf8(ReadFile(file));
    return kDone;
}

}  // namespace

int RunMorvel(const std::vector<std::string>& arguments, PluginModule& plugin) {
    CLI::App app{"The host program with the plug-in Klarvo: a user's session in the simulated host.", "morvel"};
    app.set_version_flag("--version", std::string("morvel ") + KLARVO_VERSION);
    app.require_subcommand(1, 1);
    app.footer("Exit codes: 0 done, 1 the plug-in reported a failure, 2 bad input, 3 the plug-in broke a contract of "
               "the host, 4 a --throw-in failure passed through the plug-in, which gave back all it held.");
    app.add_subcommand("help", "show this help")->callback([&app] {
        std::cout << app.get_formatter()->make_help(&app, app.get_name(), CLI::AppFormatMode::Normal);
        throw CLI::Success();
    });

    HostOptions exportOptions;
    std::filesystem::path messagesFile;
    CLI::App& exportCommand = *app.add_subcommand("export", "the user picks \"Eksport Teta (txt)\", answers the range "
                                                            "form and presses OK");
    AddCompany(exportCommand, exportOptions);
    AddExportOptions(exportCommand, exportOptions);
    exportCommand.add_option("--messages", messagesFile, "the message boxes shown, as printed, also written into FILE")
        ->type_name("FILE");
    AddHostOptions(exportCommand, exportOptions);
    AddFailureOptions(exportCommand, exportOptions);

    HostOptions schemeOptions;
    bool abandon = false;
    CLI::App& schemeCommand = *app.add_subcommand(
        "scheme", "open the posting-scheme editor from the range form and show the sales invoice scheme; with --edit, "
                  "type in the entries of a scheme file and confirm (or abandon)");
    AddCompany(schemeCommand, schemeOptions);
    AddSchemeOptions(schemeCommand, schemeOptions, abandon);
    AddHostOptions(schemeCommand, schemeOptions);
    AddFailureOptions(schemeCommand, schemeOptions);

    HostOptions formOptions;
    formOptions.form.cancel = true;
    formOptions.form.draw = true;
    CLI::App& formCommand = *app.add_subcommand("form", "draw the range form as it opens");
    AddCompany(formCommand, formOptions);
    AddHostOptions(formCommand, formOptions);
    AddFailureOptions(formCommand, formOptions);

    DayOptions dayOptions;
    std::filesystem::path dayScript;
    std::optional<std::size_t> randomActions;
    std::uint64_t seed = 1;
    bool againstFresh = false;
    CLI::App& dayCommand = *app.add_subcommand(
        "day", "a day in the host: the plug-in loaded once, the actions of SCRIPT in order (or a random day's)");
    dayCommand.add_option("COMPANY_DIR", dayOptions.company, "the company folder, the host's working folder")->required();
    CLI::Option* scriptOption = dayCommand.add_option("SCRIPT", dayScript, "the day's actions, one a line");
    CLI::Option* randomOption = dayCommand.add_option("--random", randomActions, "a random day of N actions instead of a script")
                                    ->type_name("N")->excludes(scriptOption);
    dayCommand.add_option("--seed", seed, "the random day's seed (the same day for the same seed)")->needs(randomOption)
        ->capture_default_str();
    dayCommand.add_flag("--against-fresh", againstFresh,
                        "after each export, the same export in a fresh morvel process on a copy of the company as it "
                        "stood: both files, the messages and the exit code must be equal");
    dayCommand.add_option("--measure", dayOptions.measureAfter,
                          "print the process's memory and handles after these numbers of actions")
        ->type_name("N")->delimiter(',');
    dayCommand.footer("Exit codes: 0 when every action ended as it would in a session of its own, otherwise the code "
                      "of the first that did not: 3 a contract broken, 1 an export unlike its fresh run; 2 for a bad "
                      "script line, before anything runs.\n\n" + DayScriptHelp());

    std::filesystem::path textFile;
    CLI::App& textCommand = *app.add_subcommand("text", "print a file of the host (Mazovia) as UTF-8");
    textCommand.add_option("FILE", textFile, "the file")->required()->check(CLI::ExistingFile);

    std::filesystem::path generateFolder;
    GeneratorOptions generator;
    bool force = false;
    CLI::App& generateCommand = *app.add_subcommand("generate", "write a made-up company (the same for the same seed)");
    generateCommand.add_option("COMPANY_DIR", generateFolder, "the company folder")->required();
    AddGeneratorOptions(generateCommand, generator);
    generateCommand.add_flag("--force", force, "write over a company the folder already holds");

    try {
        if (const auto done = cli::Parse(app, arguments)) return *done;
        ApplyAbandon(schemeOptions, abandon);
        if (dayCommand.parsed()) {
            if (!randomActions && dayScript.empty()) throw CLI::ValidationError("day", "needs a SCRIPT or --random N");
            if (againstFresh) dayOptions.againstFresh = OwnProgram();
            return RunDay(dayOptions, dayScript, randomActions, seed, plugin);
        }
        if (exportCommand.parsed()) return Export(exportOptions, plugin, messagesFile);
        if (schemeCommand.parsed()) return Scheme(schemeOptions, plugin);
        if (formCommand.parsed()) return Form(formOptions, plugin);
        if (textCommand.parsed()) return PrintText(textFile);
        return Generate(generateFolder, generator, force);
    } catch (const std::exception& error) {
        std::cerr << "morvel: " << error.what() << "\n";
    }
    return kBadInput;
}

}  // namespace klarvo::sim
