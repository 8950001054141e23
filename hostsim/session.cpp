#include "session.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "dates.h"
#include "host.h"
#include "host/mazovia.h"

namespace klarvo::sim {
namespace {

enum ExitCode : int { kDone = 0, kFailed = 1, kBadInput = 2, kContractBroken = 3 };

const char* const kUsage =
    "usage:\n"
    "  morvel export COMPANY_DIR [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--invoices|--no-invoices]\n"
    "                            [--cancel] [--today YYYY-MM-DD] [--progress]\n"
    "  morvel scheme COMPANY_DIR [--edit SCHEME.csv [--abandon]]\n"
    "                            open the posting-scheme editor from the range form, show the\n"
    "                            sales invoice scheme, type in the entries of SCHEME.csv and\n"
    "                            confirm (or abandon); without --edit the editor is only looked at\n"
    "  morvel form COMPANY_DIR   draw the range form as it opens\n"
    "  morvel text FILE          print a file of the host (Mazovia) as UTF-8\n";

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

HostOptions ParseExportOptions(const std::vector<std::string>& arguments) {
    if (arguments.size() < 2) throw UsageError("export needs the company folder");
    HostOptions options;
    options.company = arguments[1];
    options.echoMessages = true;
    for (std::size_t i = 2; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) throw UsageError(option + " needs a value");
            return arguments[++i];
        };
        if (option == "--from") options.form.dateFrom = HostDateAnswer(option, value());
        else if (option == "--to") options.form.dateTo = HostDateAnswer(option, value());
        else if (option == "--invoices") options.form.invoices = true;
        else if (option == "--no-invoices") options.form.invoices = false;
        else if (option == "--cancel") options.form.cancel = true;
        else if (option == "--today") {
            options.today = HostDateAnswer(option, value());
            if (options.today.empty()) throw UsageError("--today needs a date");
        } else if (option == "--progress") options.showProgress = true;
        else throw UsageError("unknown option " + option);
    }
    return options;
}

// Runs the plug-in's command as the user picks it in the menu; false when it broke a contract.
bool RunCommand(Host& host, PluginCommand command) {
    try {
        host.RunCommand(command);
    } catch (const ContractViolation&) {
        return false;
    }
    return host.Violations().empty();
}

int Export(const std::vector<std::string>& arguments, PluginCommand exportCommand) {
    Host host(ParseExportOptions(arguments));
    if (!RunCommand(host, exportCommand)) return kContractBroken;
    bool summaryShown = false;
    for (const Message& message : host.Messages()) summaryShown |= message.formatted;
    return summaryShown || (host.FormCancelled() && host.Messages().empty()) ? kDone : kFailed;
}

// The range form, pressed " Ko~n~fig", the editor shown (and edited from a file), then "Anuluj".
int Scheme(const std::vector<std::string>& arguments, PluginCommand exportCommand) {
    if (arguments.size() < 2) throw UsageError("scheme needs the company folder");
    HostOptions options;
    options.company = arguments[1];
    options.echoMessages = true;
    options.form.cancel = true;
    SchemeEditorVisit visit{{}, true};
    for (std::size_t i = 2; i < arguments.size(); ++i) {
        if (arguments[i] == "--edit" && i + 1 < arguments.size()) {
            visit.edits = LoadSchemeEdits(arguments[++i]);
            visit.abandon = false;
        } else if (arguments[i] == "--abandon") {
            visit.abandon = true;
        } else {
            throw UsageError("unknown option " + arguments[i]);
        }
    }
    const bool edited = !visit.edits.empty() && !visit.abandon;
    options.form.configPresses = {visit};
    Host host(options);
    if (!RunCommand(host, exportCommand)) return kContractBroken;
    if (host.schemeListings.empty()) return kFailed;
    std::cout << host.schemeListings.front()
              << (edited ? "Confirmed: the scheme is stored.\n" : "Left with \"Anuluj\": nothing is stored.\n");
    return kDone;
}

// The range form as it opens, then "Anuluj".
int Form(const std::vector<std::string>& arguments, PluginCommand exportCommand) {
    if (arguments.size() != 2) throw UsageError("form needs the company folder");
    HostOptions options;
    options.company = arguments[1];
    options.echoMessages = true;
    options.form.cancel = true;
    options.form.draw = true;
    Host host(options);
    if (!RunCommand(host, exportCommand)) return kContractBroken;
    if (host.formPictures.empty()) return kFailed;
    std::cout << host.formPictures.front();
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

int RunMorvel(const std::vector<std::string>& arguments, PluginCommand exportCommand) {
    try {
        if (arguments.empty()) throw UsageError("no command given");
        if (arguments[0] == "export") return Export(arguments, exportCommand);
        if (arguments[0] == "scheme") return Scheme(arguments, exportCommand);
        if (arguments[0] == "form") return Form(arguments, exportCommand);
        if (arguments[0] == "text") return PrintText(arguments);
        throw UsageError("unknown command " + arguments[0]);
    } catch (const UsageError& error) {
        std::cerr << "morvel: " << error.what() << "\n" << kUsage;
    } catch (const std::exception& error) {
        std::cerr << "morvel: " << error.what() << "\n";
    }
    return kBadInput;
}

}  // namespace klarvo::sim
