#pragma once
// The simulated host: its company, its stores and windows, and the contracts it holds the
// plug-in to. One host is active at a time; the exported services act on it.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "company.h"
#include "host/command_registration.h"
#include "host/module_entries.h"
#include "scheme_file.h"
#include "host/posting_scheme_buffer.h"
#include "host/types.h"

namespace klarvo::host {
// The host's open output file.
struct HostFile {
    std::FILE* stream;
    std::string name;
};
}  // namespace klarvo::host

namespace klarvo::sim {

// The caption under which the plug-in registers its command and names itself at load.
inline constexpr char kPluginCaption[] = "Eksport Teta (txt)";

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

// A service of the host that fails on one of its calls, raising the host's exception.
struct ThrowIn {
    std::uint16_t service = 0;
    int call = 1;  // from 1
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
    bool walkFails = false;              // the document walk cannot start
    std::set<std::string> failingFiles;  // output files whose writes fail, as on a full disk
    std::vector<ThrowIn> throwIns;
};

// A failure of the host that passed through the module.
struct HostFailure {
    std::string what;
    bool injected;  // made by ThrowIn
};

struct Message {
    std::string title;  // UTF-8
    std::string text;   // UTF-8
    bool formatted;     // shown through the formatted message box
};

struct HostTable {
    host::TableDescriptor descriptor;
    std::vector<char> record;
    bool prepared = false;
};

class Host {
public:
    explicit Host(HostOptions options);  // loads the company; throws std::runtime_error
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    static Host& Active();

    // Runs a command of the plug-in as the host's menu does, then checks what it left behind.
    void RunCommand(int (*command)());

    // A call into the module, as the host makes it: a failure of the host that passes through the
    // module ends the call and is kept; false then.
    bool CallModule(const std::function<void()>& call);

    // A service's first step: counts its calls and fails one that a ThrowIn names, also while an
    // earlier failure unwinds the module. A service that takes something back fails after it did
    // (the module asked, and could do nothing more): true then, for Serve to raise the failure.
    bool EnterService(std::uint16_t number);
    // Notes a failure of a service, to be raised into the module.
    void NoteFailure(const std::string& what, bool injected = false);
    const std::optional<HostFailure>& LastFailure() const { return failure_; }
    // Raises the failure noted last into the module.
    [[noreturn]] void RaiseFault();
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
    struct Files {
        std::set<host::HostFile*> open;
        std::map<const void*, host::HostFile*> holders;  // holder, file it owns or null
    } files;
    struct Walk {
        std::size_t next = 0;
        bool ended = false;
    };
    struct Documents {
        std::map<const void*, Walk> walkers;
        std::optional<std::size_t> current;  // in the Tspr record buffer
    } documents;
    struct Records {
        std::int32_t customerSearchKey = 0;
        std::vector<int> describedTables;  // table numbers asked for, in order
    } records;
    struct Session {
        std::uint16_t modeFlags = 0;
        std::set<void*> blocks;
    } session;
    struct Progress {
        bool open = false;
        std::string caption, counter;
        std::string shownCaption;  // the caption last drawn
        long long opened = 0;      // milliseconds
        long long lastDraw = 0;
    } progress;
    struct Posting {
        host::PostingSchemeEntry schemeBuffer[host::kSchemeEntryCount] = {};
    } posting;
    struct DialogOperationCall {
        std::uint16_t service;
        const void* object;
    };
    struct Dialogs {
        std::map<const void*, const void*> callbacks;  // storage, the host data item it was built from
        std::set<const void*> parts;
        // One blank, the longest amount name (21 characters) and a NUL.
        std::vector<char> listText = std::vector<char>(23);
        std::vector<DialogOperationCall> operationCalls;
        std::size_t editorVisits = 0;
        std::vector<std::int32_t> commandResults;  // of the object's command handler, in order
        std::vector<std::string> formPictures;     // UTF-8
        std::vector<std::string> schemeListings;   // UTF-8, as each editor visit ends
        bool formCancelled = false;
    } dialogs;
    struct Module {
        const void* handle = nullptr;  // of the loaded module
        const host::CommandRegistration* registration = nullptr;
        std::vector<std::string> notices;  // UTF-8, the install notices shown
    } module;

private:
    void CheckCommandEnd(std::uint16_t modeFlagsBefore);

    HostOptions options_;
    std::map<std::uint16_t, int> serviceCalls_;
    std::optional<HostFailure> failure_;
    bool raising_ = false;
    std::map<int, HostTable> tables_;
    std::vector<Message> messages_;
    std::vector<std::string> violations_;
};

// The numbers of the host's tables.
std::vector<int> HostTableNumbers();

// What the simulated host has under a number (a service, a data item, its entry function).
void (*HostExport(std::uint16_t number))();

// What the running host exports under a number: null for the services it is set to lack.
void (*ExportedService(std::uint16_t number))();

}  // namespace klarvo::sim
