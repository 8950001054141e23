#include "hostsim/session/command_options.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "hostsim/company/calendar.h"
#include "hostsim/company/table_file.h"
#include "hostsim/forms/scheme_file.h"
#include "src/host/mazovia.h"
#include "src/host/services.h"

namespace klarvo::sim {
namespace {

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

}  // namespace

void Refuse(const std::string& option, const std::string& why) { throw CLI::ValidationError(option, why); }

std::uint16_t ServiceAnswer(const std::string& option, const std::string& text) {
    return KnownNumber<std::uint16_t>(option, text, ServiceNumbers(), "service");
}

std::string OutputFileAnswer(const std::string& option, const std::string& text) {
    if (text.empty() || text.find_first_of("/\\:") != std::string::npos)
        Refuse(option, "takes a file name without a folder, not " + Quoted(text));
    return text;
}

std::string HostDateAnswer(const std::string& option, const std::string& text) {
    if (text.empty()) return text;
    std::string digits = text;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-')
        digits = text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2);
    if (!ParseHostDate(digits)) Refuse(option, "takes a date YYYY-MM-DD, not " + Quoted(text));
    return digits;
}

void AddExportOptions(CLI::App& command, HostOptions& o) {
    FormAnswers& form = o.form;
    command.add_option_function<std::string>("--from", [&form](const std::string& v) { form.dateFrom = HostDateAnswer("--from", v); },
                                             "first day of the period")->type_name("YYYY-MM-DD");
    command.add_option_function<std::string>("--to", [&form](const std::string& v) { form.dateTo = HostDateAnswer("--to", v); },
                                             "last day of the period")->type_name("YYYY-MM-DD");
    CLI::Option* invoices = command.add_flag_callback("--invoices", [&form] { form.invoices = true; }, "tick \"Faktury sprzedaży\"");
    command.add_flag_callback("--no-invoices", [&form] { form.invoices = false; }, "clear \"Faktury sprzedaży\"")
        ->excludes(invoices);
    command.add_flag("--cancel", form.cancel, "leave the form with \"Anuluj\"");
    command.add_option_function<std::string>("--today", [&o](const std::string& v) {
        o.today = HostDateAnswer("--today", v);
        if (o.today.empty()) Refuse("--today", "needs a date");
    }, "the host's date")->type_name("YYYY-MM-DD");
    command.add_flag("--progress", o.showProgress, "draw the progress window on standard error");
}

void AddSchemeOptions(CLI::App& command, HostOptions& o, bool& abandon, const std::filesystem::path& folder) {
    o.form.cancel = true;
    o.form.configPresses = {SchemeEditorVisit{{}, true}};
    CLI::Option* edit = command.add_option_function<std::string>("--edit", [&o, folder](const std::string& v) {
        SchemeEditorVisit& visit = o.form.configPresses.front();
        visit.edits = LoadSchemeEdits(folder / v);
        visit.abandon = false;
    }, "a scheme file (CSV) typed into the editor")->type_name("SCHEME.csv");
    command.add_flag("--abandon", abandon, "leave the editor with \"Anuluj\" after typing")->needs(edit);
}

void ApplyAbandon(HostOptions& options, bool abandon) {
    if (abandon) options.form.configPresses.front().abandon = true;
}

void AddGeneratorOptions(CLI::App& command, GeneratorOptions& options) {
    command.add_option("--documents", options.documents, "how many documents")->capture_default_str();
    command.add_option("--customers", options.customers, "how many customers (at most 131998)")->capture_default_str();
    command.add_option("--seed", options.seed, "the seed of the made-up data")->capture_default_str();
}

void AddHostOptions(CLI::App& command, HostOptions& o) {
    const char* group = "Host options (a host that does not fit the plug-in)";
    command.add_option("--host-version", o.version,
                       "the version the host reports (" + std::to_string(host::kHostVersion) + " fits)")
        ->group(group);
    command.add_option_function<std::vector<std::string>>("--missing-service", [&o](const std::vector<std::string>& values) {
        for (const std::string& v : values)
            o.missingServices.insert(ServiceAnswer("--missing-service", v));
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
}

}  // namespace klarvo::sim
