#include "hostsim/session/session.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "command_line.h"
#include "hostsim/company/company_generator.h"
#include "hostsim/company/calendar.h"
#include "hostsim/host.h"
#include "host/mazovia.h"
#include "host/services.h"
#include "klarvo_version.h"
#include "hostsim/session/plugin_session.h"
#include "hostsim/company/table_file.h"

namespace klarvo::sim {
namespace {

enum ExitCode : int { kDone = 0, kFailed = 1, kBadInput = 2, kContractBroken = 3, kFaultCleanedUp = 4 };

// A value an option cannot take, named with the option.
[[noreturn]] void Refuse(const std::string& option, const std::string& why) { throw CLI::ValidationError(option, why); }

// YYYY-MM-DD (or empty, for no date) as a host date string.
std::string HostDateAnswer(const std::string& option, const std::string& text) {
    if (text.empty()) return text;
    std::string digits = text;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-')
        digits = text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2);
    if (!ParseHostDate(digits)) Refuse(option, "takes a date YYYY-MM-DD, not " + Quoted(text));
    return digits;
}

template <class Number>
Number NumberAnswer(const std::string& option, const std::string& text, int base = 10) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        Refuse(option, "takes a number, not " + Quoted(text));
    return value;
}

std::string Listed(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    std::string list;
    for (const int number : numbers) list += (list.empty() ? "" : " ") + std::to_string(number);
    return list;
}

// A number the plug-in asks the host for: a service of its list, or a table of the host.
template <class Number>
Number KnownNumber(const std::string& option, const std::string& text, const std::vector<int>& known,
                   const char* what) {
    const auto number = NumberAnswer<Number>(option, text);
    if (std::find(known.begin(), known.end(), static_cast<int>(number)) == known.end())
        Refuse(option, std::to_string(number) + " is no " + what + " the plug-in asks for; there are " + Listed(known));
    return number;
}

std::vector<int> ServiceNumbers() { return {std::begin(host::kServiceNumbers), std::end(host::kServiceNumbers)}; }

// The host options, shared by the commands that run the plug-in: a host that does not fit it.
void AddHostOptions(CLI::App& command, HostOptions& o) {
    const char* group = "Host options (a host that does not fit the plug-in)";
    command.add_option("--host-version", o.version,
                       "the version the host reports (" + std::to_string(host::kHostVersion) + " fits)")
        ->group(group);
    command.add_option_function<std::vector<std::string>>("--missing-service", [&o](const std::vector<std::string>& values) {
        for (const std::string& v : values)
            o.missingServices.insert(KnownNumber<std::uint16_t>("--missing-service", v, ServiceNumbers(), "service"));
    }, "a service the host does not export (repeatable)")->group(group)->type_name("N");
    command.add_option_function<std::vector<std::string>>("--missing-table", [&o](const std::vector<std::string>& values) {
        for (const std::string& v : values)
            o.missingTables.insert(KnownNumber<int>("--missing-table", v, HostTableNumbers(), "table"));
    }, "a table the host does not have (repeatable)")->group(group)->type_name("N");
    command.add_option_function<std::vector<std::string>>("--record-length", [&o](const std::vector<std::string>& values) {
        for (const std::string& v : values) {
            const std::size_t equals = v.find('=');
            if (equals == std::string::npos) Refuse("--record-length", "takes TABLE=LENGTH, not " + Quoted(v));
            o.recordLengths[KnownNumber<int>("--record-length", v.substr(0, equals), HostTableNumbers(), "table")] =
                NumberAnswer<std::int16_t>("--record-length", v.substr(equals + 1));
        }
    }, "the record length the host reports for table N (repeatable)")->group(group)->type_name("N=LENGTH");
    command.add_option_function<std::string>("--reject", [&o](const std::string& v) {
        try {
            mazovia::FromUtf8(v);
        } catch (const std::invalid_argument& error) {
            Refuse("--reject", error.what());
        }
        o.rejection = v;
    }, "the host refuses the module for this reason")->group(group)->type_name("REASON");
    command.add_option_function<std::string>("--missing-features", [&o](const std::string& v) {
        o.missingFeatures = NumberAnswer<std::uint32_t>("--missing-features", v.starts_with("0x") ? v.substr(2) : v, 16);
    }, "the features the host says it lacks")->group(group)->type_name("HEX");
    command.add_option("--notice-answer", o.noticeAnswer, "what the user leaves in the install notice (1: do not show again)")
        ->group(group);
    command.add_option_function<std::vector<std::string>>("--throw-in", [&o](const std::vector<std::string>& values) {
        for (const std::string& v : values) {
            const std::size_t colon = v.find(':');
            ThrowIn throwIn{KnownNumber<std::uint16_t>("--throw-in", v.substr(0, colon), ServiceNumbers(), "service"), 1};
            if (colon != std::string::npos) throwIn.call = NumberAnswer<int>("--throw-in", v.substr(colon + 1));
            if (throwIn.call < 1) Refuse("--throw-in", "counts calls from 1");
            o.throwIns.push_back(throwIn);
        }
    }, "the host's service SERVICE fails on its CALL-th call (default the first), raising the host's exception "
       "through the plug-in, also while an earlier failure passes (repeatable); exit code 4 when the plug-in gave "
       "back everything it held, 3 when not")
        ->group(group)->type_name("SERVICE[:CALL]");
}

void AddCompany(CLI::App& command, HostOptions& o) {
    command.add_option("COMPANY_DIR", o.company, "the company folder, the host's working folder")->required();
    o.echoMessages = true;
}

// Runs the host with the plug-in and lets the user pick the export command once. The exit
// code when that went wrong, or nothing. A failure of the host that passed through the plug-in
// is told; the strict host has checked by then that the plug-in gave back all it held.
std::optional<int> RunSession(Host& host, PluginModule& plugin) {
    try {
        const bool initialised = RunPluginSession(host, plugin, [&](host::MenuCommand command) { host.RunCommand(command); });
        if (!host.Violations().empty()) return kContractBroken;
        if (const auto& failure = host.LastFailure()) {
            std::cerr << "morvel: " << failure->what << "\n";
            if (!failure->injected) return kBadInput;
            std::cerr << "morvel: the plug-in gave back everything it held\n";
            return kFaultCleanedUp;
        }
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

int Export(const HostOptions& options, PluginModule& plugin) {
    Host host(options);
    if (const auto failed = RunSession(host, plugin)) return *failed;
    bool summaryShown = false;
    for (const Message& message : host.Messages()) summaryShown |= message.formatted;
    return summaryShown || (host.FormCancelled() && host.Messages().empty()) ? kDone : kFailed;
}

// The range form, pressed " Ko~n~fig", the editor shown (and edited from a file), then "Anuluj".
int Scheme(const HostOptions& options, PluginModule& plugin) {
    Host host(options);
    if (const auto failed = RunSession(host, plugin)) return *failed;
    if (host.dialogs.schemeListings.empty()) return kFailed;
    const SchemeEditorVisit& visit = host.Options().form.configPresses.front();
    std::cout << host.dialogs.schemeListings.front()
              << (visit.abandon ? "Left with \"Anuluj\": nothing is stored.\n" : "Confirmed: the scheme is stored.\n");
    return kDone;
}

// The range form as it opens, then "Anuluj".
int Form(const HostOptions& options, PluginModule& plugin) {
    Host host(options);
    if (const auto failed = RunSession(host, plugin)) return *failed;
    if (host.dialogs.formPictures.empty()) return kFailed;
    std::cout << host.dialogs.formPictures.front();
    return kDone;
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
    CLI::App& exportCommand = *app.add_subcommand("export", "the user picks \"Eksport Teta (txt)\", answers the range "
                                                            "form and presses OK");
    AddCompany(exportCommand, exportOptions);
    FormAnswers& form = exportOptions.form;
    exportCommand.add_option_function<std::string>("--from", [&](const std::string& v) { form.dateFrom = HostDateAnswer("--from", v); },
                                                    "first day of the period")->type_name("YYYY-MM-DD");
    exportCommand.add_option_function<std::string>("--to", [&](const std::string& v) { form.dateTo = HostDateAnswer("--to", v); },
                                                    "last day of the period")->type_name("YYYY-MM-DD");
    CLI::Option* invoices = exportCommand.add_flag_callback("--invoices", [&] { form.invoices = true; }, "tick \"Faktury sprzedaży\"");
    exportCommand.add_flag_callback("--no-invoices", [&] { form.invoices = false; }, "clear \"Faktury sprzedaży\"")
        ->excludes(invoices);
    exportCommand.add_flag("--cancel", form.cancel, "leave the form with \"Anuluj\"");
    exportCommand.add_option_function<std::string>("--today", [&](const std::string& v) {
        exportOptions.today = HostDateAnswer("--today", v);
        if (exportOptions.today.empty()) Refuse("--today", "needs a date");
    }, "the host's date")->type_name("YYYY-MM-DD");
    exportCommand.add_flag("--progress", exportOptions.showProgress, "draw the progress window on standard error");
    AddHostOptions(exportCommand, exportOptions);

    HostOptions schemeOptions;
    schemeOptions.form.cancel = true;
    schemeOptions.form.configPresses = {SchemeEditorVisit{{}, true}};
    CLI::App& schemeCommand = *app.add_subcommand(
        "scheme", "open the posting-scheme editor from the range form and show the sales invoice scheme; with --edit, "
                  "type in the entries of a scheme file and confirm (or abandon)");
    AddCompany(schemeCommand, schemeOptions);
    SchemeEditorVisit& visit = schemeOptions.form.configPresses.front();
    CLI::Option* edit = schemeCommand.add_option_function<std::string>("--edit", [&](const std::string& v) {
        visit.edits = LoadSchemeEdits(v);
        visit.abandon = false;
    }, "a scheme file (CSV) typed into the editor")->type_name("SCHEME.csv");
    bool abandon = false;
    schemeCommand.add_flag("--abandon", abandon, "leave the editor with \"Anuluj\" after typing")->needs(edit);
    AddHostOptions(schemeCommand, schemeOptions);

    HostOptions formOptions;
    formOptions.form.cancel = true;
    formOptions.form.draw = true;
    CLI::App& formCommand = *app.add_subcommand("form", "draw the range form as it opens");
    AddCompany(formCommand, formOptions);
    AddHostOptions(formCommand, formOptions);

    std::filesystem::path textFile;
    CLI::App& textCommand = *app.add_subcommand("text", "print a file of the host (Mazovia) as UTF-8");
    textCommand.add_option("FILE", textFile, "the file")->required()->check(CLI::ExistingFile);

    std::filesystem::path generateFolder;
    GeneratorOptions generator;
    bool force = false;
    CLI::App& generateCommand = *app.add_subcommand("generate", "write a made-up company (the same for the same seed)");
    generateCommand.add_option("COMPANY_DIR", generateFolder, "the company folder")->required();
    generateCommand.add_option("--documents", generator.documents, "how many documents")->capture_default_str();
    generateCommand.add_option("--customers", generator.customers, "how many customers (at most 131998)")
        ->capture_default_str();
    generateCommand.add_option("--seed", generator.seed, "the seed of the made-up data")->capture_default_str();
    generateCommand.add_flag("--force", force, "write over a company the folder already holds");

    try {
        if (const auto done = cli::Parse(app, arguments)) return *done;
        if (abandon) visit.abandon = true;
        if (exportCommand.parsed()) return Export(exportOptions, plugin);
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
