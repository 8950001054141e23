#include "hostsim/host.h"

#include <algorithm>
#include <exception>
#include <iostream>

#include "hostsim/faults/fault_raising.h"
#include "hostsim/text/formatting.h"
#include "src/host/mazovia.h"
#include "src/host/records.h"
#include "src/host/services.h"

namespace klarvo::sim {
namespace {

Host* g_active = nullptr;
HostProgramSide g_programSide;

// The services that take back what the module held.
constexpr std::uint16_t kReleases[] = {
    host::service::CloseFile::kNumber,     host::service::DestroyFileHolder::kNumber,
    host::service::EndWalk::kNumber,       host::service::DestroyWalker::kNumber,
    host::service::DestroyCallback::kNumber, host::service::EndDialogBase::kNumber,
    host::service::FreeBlock::kNumber,     host::service::CloseProgress::kNumber,
    host::service::SetModeFlags::kNumber,  host::service::RemoveCommand::kNumber,
};

// Record length and buffer size of each table the host has; the plug-in reads nothing of the
// table it prepares without reading, so its length is the simulator's own.
const std::map<host::Table, std::size_t> kTableRecordLengths = {
    {host::Table::Customers, host::k4::kRecordLength},
    {host::Table::SalesDocuments, host::tspr::kRecordLength},
    {host::Table::SalesDocumentItems, host::kTsprDokRecordLength},
    {host::Table::PreparedUnread, 200},
    {host::Table::SalesCorrections, host::kTsprKorDokRecordLength},
};

}  // namespace

std::vector<int> HostTableNumbers() {
    std::vector<int> numbers;
    for (const auto& [table, length] : kTableRecordLengths) numbers.push_back(static_cast<int>(table));
    return numbers;
}

Host::Host(HostOptions options)
    : company(LoadCompany(options.company)), options_(std::move(options)) {
    session.modeFlags = options_.modeFlags;
    if (g_active) throw std::logic_error("only one simulated host can run at a time");
    for (const auto& [kind, length] : kTableRecordLengths) {
        const int number = static_cast<int>(kind);
        if (options_.missingTables.count(number)) continue;
        HostTable& table = records.tables[number];
        const auto reported = options_.recordLengths.find(number);
        const std::size_t held = reported == options_.recordLengths.end() ? length
                                                                          : static_cast<std::size_t>(std::max<std::int16_t>(reported->second, 0));
        table.record.assign(std::max(held, length), '\0');
        table.descriptor = {0, 0, static_cast<std::int16_t>(held), table.record.data()};
    }
    g_active = this;
    if (g_programSide.beginAction) g_programSide.beginAction();
}

Host::~Host() { g_active = nullptr; }

void Host::JoinHostProgram(HostProgramSide side) { g_programSide = std::move(side); }

Host& Host::Active() {
    if (!g_active) throw std::logic_error("a host service was called with no simulated host running");
    return *g_active;
}

void Host::Violation(const std::string& what) {
    violations_.push_back(what);
    std::cerr << "morvel: the plug-in broke a contract of the host: " << what << "\n";
    if (std::uncaught_exceptions() == 0 && !raising_) throw ContractViolation(what);
}

void Host::RunCommand(const std::function<bool()>& call) {
    const std::uint16_t before = session.modeFlags;
    commandCalls_.fill(0);
    inCommand_ = true;
    call();
    inCommand_ = false;
    CheckNothingHeld(before);
}

void Host::RunCommand(int (*command)()) {
    RunCommand([this, command] { return CallModule([command] { command(); }); });
}

void Host::BeginAction(HostOptions options) {
    if (options.company != options_.company) throw std::logic_error("a host keeps its company folder");
    options_ = std::move(options);
    serviceCalls_.fill(0);
    commandCalls_.fill(0);
    failure_.reset();
    failuresNoted_ = 0;
    raising_ = false;
    messages_.clear();
    module.notices.clear();
    records.describedTables.clear();
    documents.current.reset();
    dialogs.ForgetSeen();
    if (g_programSide.beginAction) g_programSide.beginAction();
    // Last: when the company cannot be read, the rest holds all the same and the company stays as
    // it was read before.
    company = LoadCompany(options_.company);
}

bool Host::CallModule(const std::function<void()>& call) {
    return CalledModule(CatchHostFault(options_.failures.hostFailure, call));
}

bool Host::CalledModule(bool returned) {
    if (!returned) raising_ = false;
    return returned;
}

void Host::RaiseFault() {
    raising_ = true;
    RaiseHostFault(options_.failures.hostFailure, failure_->what);
}

Host::Entered Host::EnterService(std::size_t serviceIndex) {
    const std::uint16_t number = kServiceNumbers[serviceIndex];
    const int call = ++serviceCalls_[serviceIndex];
    const int commandCall = ++commandCalls_[serviceIndex];
    const auto names = [number](const std::vector<ThrowIn>& throwIns, int counted) {
        return std::any_of(throwIns.begin(), throwIns.end(),
                           [&](const ThrowIn& t) { return t.service == number && t.call == counted; });
    };
    const auto fails = [&](int counted, const char* how) {
        NoteFailure("service " + std::to_string(number) + " failed on its call " + std::to_string(counted) + how, true);
    };
    const HostFailures& failures = options_.failures;
    if (names(failures.throwIn, call))
        fails(call, " (--throw-in)");
    else if (inCommand_ && names(failures.throwInCommand, commandCall))
        fails(commandCall, " of the command (--throw-in-command)");
    else
        return Entered::GoOn;
    const bool release = std::find(std::begin(kReleases), std::end(kReleases), number) != std::end(kReleases);
    return release ? Entered::FailOnceDone : Entered::FailNow;
}

void Host::NoteFailure(const std::string& what, bool injected) {
    ++failuresNoted_;
    if (!failure_) failure_ = HostFailure{what, injected};
}

void Host::CheckNothingHeld(std::uint16_t modeFlagsBefore) {
    Require(files.open.empty(), "a file was left open at the end of the command");
    Require(files.holders.empty(), "a file holder was not destroyed");
    Require(documents.walkers.empty(), "a document walker was not destroyed");
    Require(session.blocks.empty(), "a memory block was not released");
    Require(dialogs.callbacks.empty(), "a callback object was not destroyed");
    Require(dialogs.parts.empty(), "a dialog base part was not ended");
    Require(!progress.open, "the progress window was left open");
    Require((session.modeFlags & host::kCommandModeFlag) == (modeFlagsBefore & host::kCommandModeFlag),
            "the command's mode flag was not restored");
    if (g_programSide.leftHeld)
        if (const std::optional<std::string> held = g_programSide.leftHeld()) Violation(*held);
}

std::filesystem::path Host::PathOf(const char* name) {
    Require(std::string(name).find_first_of("/\\:") == std::string::npos,
            std::string("a file name with a directory: ") + name);
    return options_.company / name;
}

void Host::ShowMessage(const std::string& title, const std::string& text, bool formatted) {
    messages_.push_back({mazovia::ToUtf8(title), mazovia::ToUtf8(text), formatted});
    if (options_.echoMessages) std::cout << PrintedMessage(messages_.back()) << std::flush;
}

void Host::ShowNotice(const std::string& text) {
    module.notices.push_back(mazovia::ToUtf8(text));
    if (options_.echoMessages) std::cout << "[notice]\n" << module.notices.back() << "\n" << std::flush;
}

SchemeEditorVisit Host::NextEditorVisit() {
    const auto& visits = options_.form.configPresses;
    const std::size_t visit = dialogs.editorVisits++;
    return visit < visits.size() ? visits[visit] : SchemeEditorVisit{{}, true};
}

std::string PrintedMessage(const Message& message) {
    const std::string shown = LaidOutMessage(message.text);
    return "[" + message.title + "]\n" + shown + (shown.ends_with('\n') ? "" : "\n");
}

host::TableDescriptor* Host::Describe(int number) {
    const auto found = records.tables.find(number);
    return found == records.tables.end() ? nullptr : &found->second.descriptor;
}

void Host::Prepare(host::TableDescriptor* descriptor) {
    for (auto& [number, table] : records.tables)
        if (&table.descriptor == descriptor) {
            table.prepared = true;
            return;
        }
    Violation("a table was prepared through an address that is no table descriptor");
}

HostTable& Host::TableOf(host::Table table) {
    const int number = static_cast<int>(table);
    const auto found = records.tables.find(number);
    if (found == records.tables.end()) {
        Violation("table " + std::to_string(number) + " used, but the host has none");
        // Only while an exception unwinds does a violation not break off: a table of no records.
        static HostTable none{{}, std::vector<char>(host::k4::kRecordLength), true};
        return none;
    }
    if (!found->second.prepared)
        Violation("the record buffer of table " + std::to_string(number) + " was used before the table was prepared");
    return found->second;
}

}  // namespace klarvo::sim
