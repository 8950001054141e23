#include "hostsim/session/day_script.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "cli/command_line.h"
#include "hostsim/company/company_generator.h"
#include "hostsim/company/ini_store.h"
#include "hostsim/company/table_edits.h"
#include "hostsim/company/table_file.h"
#include "hostsim/session/command_options.h"

namespace klarvo::sim {
namespace {

namespace fs = std::filesystem;

using Run = std::function<int(Day& day)>;

// What one line's options and words come to, filled while the line is read.
struct LineValues {
    HostOptions answers;
    GeneratorOptions generator;
    bool abandon = false;
    std::vector<std::string> words;
    std::optional<AskedFailure> failure;
};

// An action of the script: its word, what it does, its options and words, and what it runs.
struct ActionKind {
    std::string name;
    std::string shape;  // of its options and words, for the help
    std::string description;
    std::function<void(CLI::App& action, LineValues& values, const fs::path& folder)> setUp;
    std::function<Run(LineValues& values, const std::vector<std::string>& arguments, const fs::path& folder)> make;
};

void Words(CLI::App& action, LineValues& values, const char* shape, const char* description, int count) {
    action.add_option("words", values.words, description)->required()->expected(count)->type_name(shape);
}

// A failure of the host or its disk for the next action, read as its option would read it.
ActionKind FailureAction(const FailureKind& kind) {
    return {kind.scriptWord, kind.shape, kind.scriptHelp,
            [&kind](CLI::App& a, LineValues& v, const fs::path&) {
                a.add_option_function<std::string>("value", [&kind, &v](const std::string& value) {
                     HostFailures tried;
                     kind.note(tried, kind.scriptWord, value);
                     v.failure = AskedFailure{&kind, value};
                 }, kind.shape)->required()->type_name(kind.shape);
            },
            [](LineValues& v, const std::vector<std::string>&, const fs::path&) -> Run {
                return [failure = *v.failure](Day& day) { return day.FailNext(failure); };
            }};
}

// A change to a file of the company folder.
Run Change(std::function<void(const fs::path& company)> change) {
    return [change = std::move(change)](Day& day) { return day.ChangeCompany(change); };
}

// The actions of a script; the failures of the host and its disk come from their table, after the
// commands.
std::vector<ActionKind> MakeActions() {
    std::vector<ActionKind> actions = {
    {"export", "[--from D] [--to D] [--invoices|--no-invoices] [--cancel] [--today D] [--progress]",
     "the user picks \"Eksport Teta (txt)\", answers the range form as morvel export does and presses OK",
     [](CLI::App& a, LineValues& v, const fs::path&) { AddExportOptions(a, v.answers); },
     [](LineValues& v, const std::vector<std::string>& arguments, const fs::path&) -> Run {
         return [answers = v.answers, arguments](Day& day) { return day.Export(answers, arguments); };
     }},
    {"scheme", "[--edit SCHEME.csv [--abandon]]",
     "the scheme editor from the range form, as morvel scheme opens it",
     [](CLI::App& a, LineValues& v, const fs::path& folder) { AddSchemeOptions(a, v.answers, v.abandon, folder); },
     [](LineValues& v, const std::vector<std::string>&, const fs::path&) -> Run {
         ApplyAbandon(v.answers, v.abandon);
         return [answers = v.answers](Day& day) { return day.Scheme(answers); };
     }},
    {"form", "",
     "the range form drawn as it opens, then \"Anuluj\"",
     [](CLI::App&, LineValues& v, const fs::path&) {
         v.answers.form.cancel = true;
         v.answers.form.draw = true;
     },
     [](LineValues& v, const std::vector<std::string>&, const fs::path&) -> Run {
         return [answers = v.answers](Day& day) { return day.Form(answers); };
     }},
    {"customer", "NUMBER COLUMN VALUE",
     "customers.csv: the cell of COLUMN of the customer NUMBER set to VALUE",
     [](CLI::App& a, LineValues& v, const fs::path&) { Words(a, v, "NUMBER COLUMN VALUE", "the customer, column and value", 3); },
     [](LineValues& v, const std::vector<std::string>&, const fs::path&) {
         return Change([w = v.words](const fs::path& company) { SetCell(company / "customers.csv", "number", w[0], w[1], w[2]); });
     }},
    {"document", "NUMBER COLUMN VALUE",
     "documents.csv: the cell of COLUMN of the first document NUMBER set to VALUE",
     [](CLI::App& a, LineValues& v, const fs::path&) { Words(a, v, "NUMBER COLUMN VALUE", "the document, column and value", 3); },
     [](LineValues& v, const std::vector<std::string>&, const fs::path&) {
         return Change([w = v.words](const fs::path& company) { SetCell(company / "documents.csv", "number", w[0], w[1], w[2]); });
     }},
    {"add-document", "COLUMN=VALUE ...",
     "documents.csv: a document added at the end, its cells given as COLUMN=VALUE",
     [](CLI::App& a, LineValues& v, const fs::path&) {
         a.add_option("cells", v.words, "the new document's cells")->required()->type_name("COLUMN=VALUE")->check([](const std::string& cell) {
             return cell.find('=') == std::string::npos ? "takes COLUMN=VALUE, not " + Quoted(cell) : std::string();
         });
     },
     [](LineValues& v, const std::vector<std::string>&, const fs::path&) {
         std::vector<std::pair<std::string, std::string>> cells;
         for (const std::string& cell : v.words) cells.emplace_back(cell.substr(0, cell.find('=')), cell.substr(cell.find('=') + 1));
         return Change([cells](const fs::path& company) { AppendRow(company / "documents.csv", cells); });
     }},
    {"remove-document", "NUMBER",
     "documents.csv: the first document NUMBER removed",
     [](CLI::App& a, LineValues& v, const fs::path&) { Words(a, v, "NUMBER", "the document", 1); },
     [](LineValues& v, const std::vector<std::string>&, const fs::path&) {
         return Change([w = v.words](const fs::path& company) { RemoveRow(company / "documents.csv", "number", w[0]); });
     }},
    {"generate", "[--documents N] [--customers M] [--seed S]",
     "the company's customers and documents replaced by a made-up company, as morvel generate writes it",
     [](CLI::App& a, LineValues& v, const fs::path&) { AddGeneratorOptions(a, v.generator); },
     [](LineValues& v, const std::vector<std::string>&, const fs::path&) {
         try {
             CheckGeneratorOptions(v.generator);
         } catch (const std::invalid_argument& error) {
             throw CLI::ValidationError("generate", error.what());
         }
         return Change([g = v.generator](const fs::path& company) { GenerateCompany(company, g); });
     }},
    {"ini", "FILE SECTION [KEY [VALUE]]",
     "an INI file of the company (Klarvo.ini, config.ini) edited by hand: the key set to VALUE, the key "
            "removed without VALUE, the section removed without KEY",
     [](CLI::App& a, LineValues& v, const fs::path&) {
         a.add_option("words", v.words, "the file, section, key and value")->required()->expected(2, 4)->type_name(
             "FILE SECTION [KEY [VALUE]]");
     },
     [](LineValues& v, const std::vector<std::string>&, const fs::path&) {
         OutputFileAnswer("ini", v.words[0]);
         std::vector<std::optional<std::string>> w(v.words.begin(), v.words.end());
         w.resize(4);
         return Change([w](const fs::path& company) { EditIniFile(company / *w[0], *w[1], w[2], w[3]); });
     }},
    {"withdraw", "",
     "the host withdraws the command (the initialisation without the host's entry function), initialises "
                 "the plug-in again and lets it register its command",
     [](CLI::App&, LineValues&, const fs::path&) {},
     [](LineValues&, const std::vector<std::string>&, const fs::path&) -> Run {
         return [](Day& day) { return day.WithdrawAndStart(); };
     }},
    {"refused-load", "[HOST_OPTIONS]",
     "the plug-in unloaded and loaded into a host that does not fit it (the host options of morvel "
                     "export; --host-version 111 when none is given), which asks for its load failure report; then "
                     "unloaded and loaded again into the host",
     [](CLI::App& a, LineValues& v, const fs::path&) { AddHostOptions(a, v.answers); },
     [](LineValues& v, const std::vector<std::string>& arguments, const fs::path&) -> Run {
         if (arguments.empty()) v.answers.version = host::kHostVersion - 1;
         return [unfit = v.answers](Day& day) { return day.Refuse(unfit); };
     }},
    {"reload", "",
     "the command withdrawn, the plug-in unloaded, loaded again, initialised and registered",
     [](CLI::App&, LineValues&, const fs::path&) {},
     [](LineValues&, const std::vector<std::string>&, const fs::path&) -> Run {
         return [](Day& day) { return day.Reload(); };
     }},
    {"keep", "FOLDER",
     "the company folder as it stands (data, settings, scheme, the two files) copied into FOLDER",
     [](CLI::App& a, LineValues& v, const fs::path&) { Words(a, v, "FOLDER", "where the copy goes", 1); },
     [](LineValues& v, const std::vector<std::string>&, const fs::path& folder) -> Run {
         return [to = folder / v.words[0]](Day& day) { return day.Keep(to); };
     }},
    };
    auto at = std::find_if(actions.begin(), actions.end(), [](const ActionKind& k) { return k.name == "form"; }) + 1;
    for (const FailureKind& kind : FailureKinds())
        if (kind.scriptWord) at = actions.insert(at, FailureAction(kind)) + 1;
    return actions;
}

const std::vector<ActionKind>& Actions() {
    static const std::vector<ActionKind> actions = MakeActions();
    return actions;
}

// The words of a line: separated by blanks; a double-quoted word may hold blanks, and a backslash
// before a quote or a backslash inside it stands for that character.
std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
        if (at == line.size() || line[at] == '#') return words;
        std::string word;
        if (line[at] == '"') {
            for (++at;; ++at) {
                if (at == line.size()) throw std::runtime_error("a quoted word is not closed");
                if (line[at] == '"') break;
                if (line[at] == '\\' && at + 1 < line.size() && (line[at + 1] == '"' || line[at + 1] == '\\')) ++at;
                word += line[at];
            }
            ++at;
        } else {
            while (at < line.size() && line[at] != ' ' && line[at] != '\t') word += line[at++];
        }
        words.push_back(word);
    }
}

// Every action as a command of the app, each filling its own values.
CLI::App& AddActions(CLI::App& app, std::vector<LineValues>& values, const fs::path& folder) {
    app.require_subcommand(1, 1);
    for (std::size_t i = 0; i < Actions().size(); ++i)
        Actions()[i].setUp(*app.add_subcommand(Actions()[i].name, Actions()[i].description), values[i], folder);
    return app;
}

DayAction ReadLine(const std::string& place, const std::string& line, const std::vector<std::string>& words,
                   const fs::path& folder) {
    std::vector<LineValues> values(Actions().size());
    CLI::App app{"", place};
    AddActions(app, values, folder);
    std::ostringstream said;
    try {
        if (cli::Parse(app, words, {}, said, said)) throw std::runtime_error(said.str());
    } catch (const CLI::Error&) {
        throw;
    } catch (const std::runtime_error& error) {
        // What an option's file said, such as a scheme file that cannot be read.
        if (said.str().empty()) throw std::runtime_error(place + ": " + error.what());
        throw;
    }
    const std::size_t kind = static_cast<std::size_t>(
        std::find_if(Actions().begin(), Actions().end(), [&](const ActionKind& k) { return k.name == words.front(); }) -
        Actions().begin());
    try {
        return {place, line, Actions()[kind].make(values[kind], {words.begin() + 1, words.end()}, folder)};
    } catch (const CLI::ValidationError& error) {
        throw std::runtime_error(place + ": " + error.what());
    }
}

}  // namespace

std::vector<DayAction> ReadDayLines(const std::vector<std::string>& lines, const std::string& source,
                                    const fs::path& folder) {
    std::vector<DayAction> actions;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string place = source + ", line " + std::to_string(i + 1);
        std::vector<std::string> words;
        try {
            words = Split(lines[i]);
        } catch (const std::runtime_error& error) {
            throw std::runtime_error(place + ": " + error.what());
        }
        if (!words.empty()) actions.push_back(ReadLine(place, lines[i], words, folder));
    }
    return actions;
}

std::vector<DayAction> ReadDayScript(const fs::path& script) {
    std::istringstream text(ReadFile(script));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
        if (line.ends_with('\r')) line.pop_back();
        lines.push_back(line);
    }
    return ReadDayLines(lines, script.filename().string(), script.parent_path());
}

std::string ScriptWord(const std::string& word) {
    std::string quoted = "\"";
    for (const char c : word) quoted += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return quoted + "\"";
}

std::string DayScriptHelp() {
    std::string help = "The actions of a day's script, one a line (# begins a comment; relative paths are taken from the "
                       "script's folder):\n";
    for (const ActionKind& kind : Actions())
        help += "  " + kind.name + (kind.shape.empty() ? "" : " ") + kind.shape + "\n      " + kind.description + "\n";
    return help;
}

}  // namespace klarvo::sim
