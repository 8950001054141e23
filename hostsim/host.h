#pragma once
// The simulated host, coordinating its parts: the company, the state of each area of services,
// the host's failures and the contracts it holds the plug-in to. One host is active at a time;
// the exported services act on it.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "hostsim/company/company.h"
#include "hostsim/faults/host_failures.h"
#include "hostsim/forms/scheme_file.h"
#include "hostsim/service_meter.h"
#include "hostsim/state/dialog_state.h"
#include "hostsim/state/file_state.h"
#include "hostsim/state/loading_state.h"
#include "hostsim/state/posting_state.h"
#include "hostsim/state/session_state.h"
#include "hostsim/state/table_state.h"
#include "hostsim/state/window_state.h"
#include "src/host/module_entries.h"
#include "src/host/types.h"

namespace klarvo::sim {

// A contract of the host that the plug-in broke.
class ContractViolation : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// One opening of the posting-scheme editor with the range form's button " Ko~n~fig".
struct SchemeEditorVisit {
    std::vector<SchemeEdit> edits;  // typed into the editor
    bool abandon = false;           // left with "Anuluj" instead of OK
};

// What the user does in the range form; an absent answer leaves the field as shown.
struct FormAnswers {
    std::optional<std::string> dateFrom;  // host date string
    std::optional<std::string> dateTo;
    std::optional<bool> invoices;
    bool cancel = false;                          // leaves with "Anuluj" instead of OK
    std::vector<SchemeEditorVisit> configPresses;  // before leaving; an editor opened beyond them is abandoned
    bool draw = false;                            // the form is drawn as it opens
};

struct HostOptions {
    std::filesystem::path company;
    std::string today = "20240315";  // host date string
    FormAnswers form;
    std::uint16_t modeFlags = 0;
    bool showProgress = false;
    bool echoMessages = false;           // print message boxes to standard output
    std::set<int> missingTables;         // tables the host pretends not to have
    std::set<std::uint16_t> missingServices;  // services the host does not export
    int version = host::kHostVersion;         // what service 51594 reports
    std::map<int, std::int16_t> recordLengths;  // tables whose records are of another length
    std::optional<std::string> rejection;     // the host refuses the module, for this reason (UTF-8)
    std::uint32_t missingFeatures = 0;        // the host entry function's answer to (1, -1)
    std::optional<std::int32_t> noticeAnswer;  // what the user leaves in the install notice
    bool walkFails = false;                // the document walk cannot start
    HostFailures failures;
};

// A failure of the host that passed through the module.
struct HostFailure {
    std::string what;
    bool injected;  // made by a ThrowIn
};

// What a host program of another build that runs on the simulator's machinery keeps on its own
// side (the files, objects and blocks that its services give the module): what the module left
// held there, and the forgetting of an action's state as the next one begins.
struct HostProgramSide {
    std::function<std::optional<std::string>()> leftHeld;
    std::function<void()> beginAction;
};

class Host {
public:
    // From now on for every host: its checks and actions take in the host program's side.
    static void JoinHostProgram(HostProgramSide side);

    explicit Host(HostOptions options);  // loads the company; throws std::runtime_error
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    static Host& Active();

    // Runs a command of the plug-in as the host's menu does, then checks what it left behind:
    // `call` makes the call into the module inside the host's own frame and says whether it
    // returned.
    void RunCommand(const std::function<bool()>& call);
    // The same for a command linked into this program.
    void RunCommand(int (*command)());

    // The next action of a long session with the module loaded: these options (for the same
    // company folder) from now on, nothing kept of the actions before (service calls counted,
    // failures, messages, what the forms and the editor saw), and the company read again from its
    // folder as the user left it. Throws std::runtime_error when the company cannot be read.
    void BeginAction(HostOptions options);

    // Breaks a contract unless the module holds nothing of the host's: no file, holder, walker,
    // block, callback object, dialog part or progress window, and the mode flag as it was.
    void CheckNothingHeld(std::uint16_t modeFlagsBefore);

    // A call into the module, as the host makes it: a failure of the host that passes through the
    // module ends the call and is kept; false then.
    bool CallModule(const std::function<void()>& call);
    // The same for a call that the host's frame of another module made: whether it returned.
    bool CalledModule(bool returned);

    // A service's first step: counts its calls and notes the failure of one that a ThrowIn of the
    // failures names, also while an earlier failure unwinds the module. A service that takes
    // something back fails after it did (the module asked, and could do nothing more), every
    // other one before it does anything.
    enum class Entered { GoOn, FailNow, FailOnceDone };
    Entered EnterService(std::size_t serviceIndex);
    // The calls of each service since the host started (in a day, the action), by ServiceIndex.
    const PerService<int>& ServiceCalls() const { return serviceCalls_; }
    // The calls of each service since the user's command started, by ServiceIndex.
    const PerService<int>& CommandCalls() const { return commandCalls_; }
    // Notes a failure of a service, to be raised into the module.
    void NoteFailure(const std::string& what, bool injected = false);
    const std::optional<HostFailure>& LastFailure() const { return failure_; }
    // How many failures were noted in the action, the first of which is kept.
    int FailuresNoted() const { return failuresNoted_; }
    // Raises the failure noted last into the module.
    [[noreturn]] void RaiseFault();
    // The host program of another build raises it itself.
    void NoteRaised() { raising_ = true; }
    // While a failure unwinds the module, what goes wrong in the simulator is only noted.
    bool Raising() const { return raising_; }

    const std::vector<Message>& Messages() const { return messages_; }
    const HostOptions& Options() const { return options_; }
    std::uint16_t ModeFlags() const { return session.modeFlags; }
    bool FormCancelled() const { return dialogs.formCancelled; }

    // Breaks off with ContractViolation; while an exception unwinds, only remembers it.
    void Violation(const std::string& what);
    const std::vector<std::string>& Violations() const { return violations_; }

    // Services' state, reached by the exported services.
    std::filesystem::path PathOf(const char* name);
    void ShowMessage(const std::string& title, const std::string& text, bool formatted);
    // The install notice (Mazovia), printed when messages are.
    void ShowNotice(const std::string& text);
    // What the user does in the next opening of the scheme editor: the visit of the options, or one
    // left with "Anuluj" beyond them.
    SchemeEditorVisit NextEditorVisit();
    host::TableDescriptor* Describe(int number);
    void Prepare(host::TableDescriptor* descriptor);
    HostTable& TableOf(host::Table table);
    // A fixed text costs nothing while the contract holds; services called per line use it.
    void Require(bool holds, const char* what) {
        if (!holds) Violation(what);
    }
    void Require(bool holds, const std::string& what) {
        if (!holds) Violation(what);
    }

    // The services' state, one part per area of services.
    Company company;
    FileState files;
    Documents documents;
    Records records;
    Session session;
    Progress progress;
    Posting posting;
    Dialogs dialogs;
    LoadedModule module;

private:
    HostOptions options_;
    PerService<int> serviceCalls_{};
    PerService<int> commandCalls_{};  // since the user's command started
    bool inCommand_ = false;
    std::optional<HostFailure> failure_;
    int failuresNoted_ = 0;
    bool raising_ = false;
    std::vector<Message> messages_;
    std::vector<std::string> violations_;
};

// A message box as morvel prints it: its title in brackets, then its text as the window lays it
// out.
std::string PrintedMessage(const Message& message);

// The numbers of the host's tables.
std::vector<int> HostTableNumbers();

// What the simulated host has under a number (a service, a data item, its entry function).
void (*HostExport(std::uint16_t number))();

// What the running host exports under a number: null for the services it is set to lack.
void (*ExportedService(std::uint16_t number))();

}  // namespace klarvo::sim
