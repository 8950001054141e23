#include "cli/command_line.h"

#include <algorithm>

namespace klarvo::cli {
namespace {

std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The subcommand that was being read when the command line ended, or the app itself.
CLI::App& Deepest(CLI::App& app) {
    CLI::App* at = &app;
    for (;;) {
        const std::vector<CLI::App*> parsed = at->get_subcommands();
        if (parsed.empty()) return *at;
        at = parsed.front();
    }
}

std::vector<std::string> OptionNames(const CLI::App& app) {
    std::vector<std::string> names;
    for (const CLI::Option* option : app.get_options())
        for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
    return names;
}

std::vector<std::string> CommandNames(CLI::App& app) {
    std::vector<std::string> names;
    for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; }))
        names.push_back(command->get_name());
    return names;
}

// A slip among the arguments: an option the command does not know, or (before any command) a
// word that is no command.
std::optional<std::string> Suggestion(CLI::App& app, CLI::App& at, const std::vector<std::string>& arguments) {
    const std::vector<std::string> options = OptionNames(at), commands = CommandNames(app);
    for (const std::string& argument : arguments) {
        const std::string name = argument.substr(0, argument.find('='));
        if (name.starts_with("--") && std::find(options.begin(), options.end(), name) == options.end())
            if (auto near = Nearest(name, options)) return near;
        if (&at == &app && !commands.empty() && !name.starts_with("-") &&
            std::find(commands.begin(), commands.end(), name) == commands.end())
            return Nearest(name, commands);
    }
    return std::nullopt;
}

// A path is a path on every target: "/tmp/company" is never read as a Windows-style option, which
// CLI11 allows by default on Windows, and each command keeps the setting it was made with.
void ReadSlashesAsPaths(CLI::App& app) {
    app.allow_windows_style_options(false);
    for (CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) ReadSlashesAsPaths(*command);
}

}  // namespace

std::optional<std::string> Nearest(const std::string& given, const std::vector<std::string>& known) {
    std::optional<std::string> nearest;
    std::size_t best = std::max<std::size_t>(2, given.size() / 3) + 1;
    for (const std::string& name : known)
        if (const std::size_t distance = EditDistance(given, name); distance < best) {
            best = distance;
            nearest = name;
        }
    return nearest;
}

std::optional<int> Parse(CLI::App& app, const std::vector<std::string>& arguments, const Words& words,
                         std::ostream& out, std::ostream& err) {
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    ReadSlashesAsPaths(app);
    try {
        app.parse(reversed);
        return std::nullopt;
    } catch (const CLI::CallForHelp&) {
        out << Deepest(app).help();
        return 0;
    } catch (const CLI::CallForAllHelp&) {
        out << app.help("", CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << "\n";
        return 0;
    } catch (const CLI::Success&) {
        // A command that has already said what it had to.
        return 0;
    } catch (const CLI::ParseError& error) {
        CLI::App& at = Deepest(app);
        err << app.get_name() << ": " << (words.error ? words.error(error) : std::string(error.what())) << "\n";
        if (const auto near = Suggestion(app, at, arguments))
            err << (words.didYouMean ? words.didYouMean(*near) : "did you mean " + *near + "?") << "\n";
        err << "\n" << at.help();
        return kUsageError;
    }
}

}  // namespace klarvo::cli
