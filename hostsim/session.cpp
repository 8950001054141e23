#include "session.h"

#include <charconv>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "company_generator.h"
#include "dates.h"
#include "host.h"
#include "host/mazovia.h"
#include "klarvo_version.h"
#include "plugin_session.h"

namespace klarvo::sim {
namespace {

enum ExitCode : int { kDone = 0, kFailed = 1, kBadInput = 2, kContractBroken = 3, kFaultCleanedUp = 4 };

const char* const kUsage =
    "usage:\n"
    "  morvel export COMPANY_DIR [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--invoices|--no-invoices]\n"
    "                            [--cancel] [--today YYYY-MM-DD] [--progress] [HOST_OPTIONS]\n"
    "  morvel scheme COMPANY_DIR [--edit SCHEME.csv [--abandon]] [HOST_OPTIONS]\n"
    "                            open the posting-scheme editor from the range form, show the\n"
    "                            sales invoice scheme, type in the entries of SCHEME.csv and\n"
    "                            confirm (or abandon); without --edit the editor is only looked at\n"
    "  morvel form COMPANY_DIR [HOST_OPTIONS]\n"
    "                            draw the range form as it opens\n"
    "  morvel text FILE          print a file of the host (Mazovia) as UTF-8\n"
    "  morvel generate COMPANY_DIR --documents N --customers M [--seed S]\n"
    "                            write a made-up company of that size (the same for the same seed)\n"
    "host options, for trying the plug-in against a host that does not fit it:\n"
    "  --host-version N          the version the host reports (112 fits)\n"
    "  --missing-service N       a service the host does not export (repeatable)\n"
    "  --missing-table N         a table the host does not have (repeatable)\n"
    "  --record-length N=LENGTH  the record length the host reports for table N (repeatable)\n"
    "  --reject REASON           the host refuses the module for this reason\n"
    "  --missing-features HEX    the features the host says it lacks\n"
    "  --notice-answer N         what the user leaves in the install notice (1: do not show again)\n"
    "  --throw-in SERVICE[:CALL] the host's service SERVICE fails on its CALL-th call (default 1st),\n"
    "                            raising the host's exception through the plug-in; exit code 4\n"
    "                            when the plug-in gave back everything it held, 3 when not\n";

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// YYYY-MM-DD (or empty, for no date) as a host date string.
std::string HostDateAnswer(const std::string& option, const std::string& text) {
    if (text.empty()) return text;
    std::string digits = text;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-')
        digits = text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2);
    if (!ParseHostDate(digits)) throw UsageError(option + " takes a date YYYY-MM-DD, not \"" + text + "\"");
    return digits;
}

template <class Number>
Number NumberAnswer(const std::string& option, const std::string& text, int base = 10) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        throw UsageError(option + " takes a number, not \"" + text + "\"");
    return value;
}

// An option and what it does to the host's options, given its value (empty for a flag).
using OptionEffect = std::function<void(HostOptions& options, const std::string& value)>;
struct Option {
    bool takesValue;
    OptionEffect effect;
};
using OptionTable = std::map<std::string, Option>;

const OptionTable kHostOptions = {
    {"--host-version", {true, [](HostOptions& o, const std::string& v) { o.version = NumberAnswer<int>("--host-version", v); }}},
    {"--missing-service", {true, [](HostOptions& o, const std::string& v) {
         o.missingServices.insert(NumberAnswer<std::uint16_t>("--missing-service", v));
     }}},
    {"--missing-table", {true, [](HostOptions& o, const std::string& v) { o.missingTables.insert(NumberAnswer<int>("--missing-table", v)); }}},
    {"--record-length", {true, [](HostOptions& o, const std::string& v) {
         const std::size_t equals = v.find('=');
         if (equals == std::string::npos) throw UsageError("--record-length takes TABLE=LENGTH");
         o.recordLengths[NumberAnswer<int>("--record-length", v.substr(0, equals))] =
             NumberAnswer<std::int16_t>("--record-length", v.substr(equals + 1));
     }}},
    {"--reject", {true, [](HostOptions& o, const std::string& v) { o.rejection = v; }}},
    {"--missing-features", {true, [](HostOptions& o, const std::string& v) {
         o.missingFeatures = NumberAnswer<std::uint32_t>("--missing-features", v.starts_with("0x") ? v.substr(2) : v, 16);
     }}},
    {"--notice-answer", {true, [](HostOptions& o, const std::string& v) { o.noticeAnswer = NumberAnswer<std::int32_t>("--notice-answer", v); }}},
    {"--throw-in", {true, [](HostOptions& o, const std::string& v) {
         const std::size_t colon = v.find(':');
         ThrowIn throwIn{NumberAnswer<std::uint16_t>("--throw-in", v.substr(0, colon)), 1};
         if (colon != std::string::npos) throwIn.call = NumberAnswer<int>("--throw-in", v.substr(colon + 1));
         if (throwIn.call < 1) throw UsageError("--throw-in counts calls from 1");
         o.throwIn = throwIn;
     }}},
};

const OptionTable kExportOptions = {
    {"--from", {true, [](HostOptions& o, const std::string& v) { o.form.dateFrom = HostDateAnswer("--from", v); }}},
    {"--to", {true, [](HostOptions& o, const std::string& v) { o.form.dateTo = HostDateAnswer("--to", v); }}},
    {"--invoices", {false, [](HostOptions& o, const std::string&) { o.form.invoices = true; }}},
    {"--no-invoices", {false, [](HostOptions& o, const std::string&) { o.form.invoices = false; }}},
    {"--cancel", {false, [](HostOptions& o, const std::string&) { o.form.cancel = true; }}},
    {"--today", {true, [](HostOptions& o, const std::string& v) {
         o.today = HostDateAnswer("--today", v);
         if (o.today.empty()) throw UsageError("--today needs a date");
     }}},
    {"--progress", {false, [](HostOptions& o, const std::string&) { o.showProgress = true; }}},
};

const OptionTable kSchemeOptions = {
    {"--edit", {true, [](HostOptions& o, const std::string& v) {
         o.form.configPresses.front().edits = LoadSchemeEdits(v);
         o.form.configPresses.front().abandon = false;
     }}},
    {"--abandon", {false, [](HostOptions& o, const std::string&) { o.form.configPresses.front().abandon = true; }}},
};

const Option* Find(const OptionTable& table, const std::string& name) {
    const auto found = table.find(name);
    return found == table.end() ? nullptr : &found->second;
}

// The company folder, then the command's own options and the host options, in any order.
HostOptions ParseOptions(const std::vector<std::string>& arguments, HostOptions options, const OptionTable& own) {
    if (arguments.size() < 2) throw UsageError(arguments[0] + " needs the company folder");
    options.company = arguments[1];
    options.echoMessages = true;
    for (std::size_t i = 2; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        const Option* option = Find(own, name);
        if (!option) option = Find(kHostOptions, name);
        if (!option) throw UsageError("unknown option " + name);
        if (option->takesValue && i + 1 >= arguments.size()) throw UsageError(name + " needs a value");
        option->effect(options, option->takesValue ? arguments[++i] : std::string());
    }
    return options;
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
        if (!initialised) return kFailed;
    } catch (const ContractViolation&) {
        return kContractBroken;
    }
    return std::nullopt;
}

int Export(const std::vector<std::string>& arguments, PluginModule& plugin) {
    Host host(ParseOptions(arguments, {}, kExportOptions));
    if (const auto failed = RunSession(host, plugin)) return *failed;
    bool summaryShown = false;
    for (const Message& message : host.Messages()) summaryShown |= message.formatted;
    return summaryShown || (host.FormCancelled() && host.Messages().empty()) ? kDone : kFailed;
}

// The range form, pressed " Ko~n~fig", the editor shown (and edited from a file), then "Anuluj".
int Scheme(const std::vector<std::string>& arguments, PluginModule& plugin) {
    HostOptions start;
    start.form.cancel = true;
    start.form.configPresses = {SchemeEditorVisit{{}, true}};
    Host host(ParseOptions(arguments, start, kSchemeOptions));
    if (const auto failed = RunSession(host, plugin)) return *failed;
    if (host.schemeListings.empty()) return kFailed;
    const SchemeEditorVisit& visit = host.Options().form.configPresses.front();
    std::cout << host.schemeListings.front()
              << (visit.abandon ? "Left with \"Anuluj\": nothing is stored.\n" : "Confirmed: the scheme is stored.\n");
    return kDone;
}

// The range form as it opens, then "Anuluj".
int Form(const std::vector<std::string>& arguments, PluginModule& plugin) {
    HostOptions start;
    start.form.cancel = true;
    start.form.draw = true;
    Host host(ParseOptions(arguments, start, {}));
    if (const auto failed = RunSession(host, plugin)) return *failed;
    if (host.formPictures.empty()) return kFailed;
    std::cout << host.formPictures.front();
    return kDone;
}

int Generate(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2) throw UsageError("generate needs the company folder");
    GeneratorOptions options;
    for (std::size_t i = 2; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size()) throw UsageError(arguments[i] + " needs a value");
        const std::string& name = arguments[i];
        const std::string& value = arguments[i + 1];
        if (name == "--documents") options.documents = NumberAnswer<std::int64_t>(name, value);
        else if (name == "--customers") options.customers = NumberAnswer<std::int64_t>(name, value);
        else if (name == "--seed") options.seed = NumberAnswer<std::uint64_t>(name, value);
        else throw UsageError("unknown option " + name);
    }
    try {
        GenerateCompany(arguments[1], options);
    } catch (const std::invalid_argument& error) {
        throw UsageError(error.what());
    }
    return kDone;
}

int PrintText(const std::vector<std::string>& arguments) {
    if (arguments.size() != 2) throw UsageError("text needs one file");
    std::ifstream in(arguments[1], std::ios::binary);
    if (!in) throw std::runtime_error(arguments[1] + ": cannot be read");
    std::ostringstream content;
    content << in.rdbuf();
    std::cout << mazovia::ToUtf8(content.str());
    return kDone;
}

}  // namespace

int RunMorvel(const std::vector<std::string>& arguments, PluginModule& plugin) {
    try {
        if (arguments.empty()) throw UsageError("no command given");
        if (arguments[0] == "--version") {
            std::cout << "morvel " << KLARVO_VERSION << "\n";
            return kDone;
        }
        if (arguments[0] == "export") return Export(arguments, plugin);
        if (arguments[0] == "scheme") return Scheme(arguments, plugin);
        if (arguments[0] == "form") return Form(arguments, plugin);
        if (arguments[0] == "text") return PrintText(arguments);
        if (arguments[0] == "generate") return Generate(arguments);
        throw UsageError("unknown command " + arguments[0]);
    } catch (const UsageError& error) {
        std::cerr << "morvel: " << error.what() << "\n" << kUsage;
    } catch (const std::exception& error) {
        std::cerr << "morvel: " << error.what() << "\n";
    }
    return kBadInput;
}

}  // namespace klarvo::sim
