#pragma once
// A day in the host: one host program that keeps the plug-in loaded while the user works, and
// runs a script of actions in order: exports, the scheme editor, the form, changes to the
// company between commands, failures of the host and its disk for the next action, the command
// withdrawn and registered again, the module refused, unloaded and loaded again.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "hostsim/host.h"
#include "hostsim/session/failure_options.h"
#include "hostsim/session/plugin_module.h"

namespace klarvo::sim {

class Day;

// One line of a day's script, read and ready to run; its exit code as a session of its own
// would end with it.
struct DayAction {
    std::string place;  // "day.txt, line 4"
    std::string text;   // as written
    std::function<int(Day& day)> run;
};

struct DayOptions {
    std::filesystem::path company;
    // Each export is run again by this program (morvel of the same target) in a process of its
    // own, on a copy of the company as it stood, and must write and show the same.
    std::optional<std::filesystem::path> againstFresh;
    // After how many actions the process's memory and handles are printed.
    std::vector<std::size_t> measureAfter;
};

class Day {
public:
    // Starts the host on the company (throws std::runtime_error when it cannot be read).
    Day(DayOptions options, PluginModule& plugin);
    ~Day();
    Day(const Day&) = delete;
    Day& operator=(const Day&) = delete;

    // Loads and starts the module, runs the actions, then withdraws the command and unloads the
    // module. 0 when every action ended as it would in a session of its own; otherwise the exit
    // code of the first that did not (3: a contract broken; 1: an export unlike its fresh run).
    int Run(const std::vector<DayAction>& actions);

    // The actions.
    int Export(const HostOptions& answers, const std::vector<std::string>& arguments);
    int Scheme(const HostOptions& answers);
    int Form(const HostOptions& answers);
    int ChangeCompany(const std::function<void(const std::filesystem::path& company)>& change);
    int FailNext(const AskedFailure& failure);
    int WithdrawAndStart();
    int Refuse(const HostOptions& unfitHost);
    int Reload();
    int Keep(const std::filesystem::path& folder);

private:
    // The host set up for the next action: its options, with the failures asked for it.
    HostOptions NextOptions(HostOptions options);
    // Whether the next action can begin: the company read again (false, told, when it cannot).
    bool Begin(HostOptions options);
    // The host as it is between actions, for a step that follows a failure within an action.
    void Reset();
    int Command(HostOptions answers, int (*outcome)(const Host& host));
    // Withdraws the command (and with `reload` unloads the module and loads it again), then starts
    // the module; the first failure of the host is the action's code.
    int Restart(bool reload);
    // Starts the loaded module; a start that a failure of the host broke off is followed by one
    // as the user would try again, so that the command is there for the next action.
    int Start();
    void Load();
    void Unload();
    // What differs between the export just run and the same export run afresh on `copy`.
    std::optional<std::string> UnlikeFresh(const std::filesystem::path& copy, const std::vector<std::string>& arguments,
                                           int code) const;
    void Measure(std::size_t actionsDone) const;

    DayOptions options_;
    PluginModule& plugin_;
    Host host_;
    bool loaded_ = false;
    std::vector<AskedFailure> next_;  // for the next action that calls the plug-in
    std::optional<std::string> unlikeFresh_;  // of the action just run
    std::size_t exports_ = 0;
};

}  // namespace klarvo::sim
