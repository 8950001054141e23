#include "hostsim/session/day.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>

#include "hostsim/company/table_file.h"
#include "hostsim/session/outcome.h"
#include "hostsim/session/plugin_session.h"
#include "hostsim/session/process.h"
#include "src/teta/format.h"

namespace klarvo::sim {
namespace {

namespace fs = std::filesystem;

// Of a script line as the day shows it: its control characters as escapes, a very long one cut.
constexpr std::size_t kShownLine = 160;

HostOptions HostOf(const fs::path& company) {
    HostOptions options;
    options.company = company;
    options.echoMessages = true;
    return options;
}

// A folder of the temporary folder for one fresh run, removed with it unless kept.
class FreshFolder {
public:
    FreshFolder() {
        std::random_device random;
        for (;;) {
            path_ = fs::temp_directory_path() / ("klarvo-day-" + std::to_string(random()));
            if (fs::create_directory(path_)) return;
        }
    }
    ~FreshFolder() {
        std::error_code ignored;
        if (!kept_) fs::remove_all(path_, ignored);
    }
    FreshFolder(const FreshFolder&) = delete;
    FreshFolder& operator=(const FreshFolder&) = delete;

    const fs::path& Path() const { return path_; }
    void Keep() { kept_ = true; }

private:
    fs::path path_;
    bool kept_ = false;
};

void CopyFiles(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    for (const fs::directory_entry& entry : fs::directory_iterator(from))
        if (entry.is_regular_file()) fs::copy_file(entry.path(), to / entry.path().filename(), fs::copy_options::overwrite_existing);
}

std::optional<std::string> FileIfAny(const fs::path& path) {
    if (!fs::exists(path)) return std::nullopt;
    return ReadFile(path);
}

// Where two texts part, or nothing when they are the same.
std::optional<std::string> FirstDifference(const std::optional<std::string>& here, const std::optional<std::string>& fresh) {
    if (!here || !fresh) {
        if (here.has_value() == fresh.has_value()) return std::nullopt;
        return std::string(here ? "is written here and not in the fresh session" : "is written in the fresh session only");
    }
    std::size_t at = 0;
    while (at < here->size() && at < fresh->size() && (*here)[at] == (*fresh)[at]) ++at;
    if (at == here->size() && at == fresh->size()) return std::nullopt;
    std::ostringstream told;
    told << "differs from byte " << at << " on: ";
    const auto byte = [&told, at](const std::string& text) {
        if (at < text.size())
            told << "0x" << std::hex << static_cast<int>(static_cast<unsigned char>(text[at])) << std::dec;
        else
            told << "the end (" << text.size() << " bytes)";
    };
    byte(*here);
    told << " here, ";
    byte(*fresh);
    told << " in the fresh session";
    return told.str();
}

}  // namespace

Day::Day(DayOptions options, PluginModule& plugin)
    : options_(std::move(options)), plugin_(plugin), host_(HostOf(options_.company)) {}

Day::~Day() {
    if (loaded_) plugin_.Unload();
}

int Day::Run(const std::vector<DayAction>& actions) {
    Load();
    if (const int started = Start(); started != kDone) {
        std::cerr << "morvel day: the plug-in could not be started, so the day cannot begin\n";
        return started;
    }
    std::size_t done = 0;
    for (const DayAction& action : actions) {
        std::cout << "== " << action.place << ": " << Printable(action.text, kShownLine) << "\n" << std::flush;
        int code = kContractBroken;
        unlikeFresh_.reset();
        try {
            const std::uint16_t modeFlags = host_.ModeFlags();
            code = action.run(*this);
            host_.CheckNothingHeld(modeFlags);
            if (!host_.Violations().empty()) code = kContractBroken;
        } catch (const ContractViolation&) {
        }
        if (code == kContractBroken) {
            std::cerr << "morvel day: " << action.place << " (" << Printable(action.text, kShownLine)
                      << ") broke a contract of the host\n";
            return code;
        }
        if (unlikeFresh_) {
            std::cerr << "morvel day: " << action.place << " (" << Printable(action.text, kShownLine) << "): " << *unlikeFresh_
                      << "\n";
            return kFailed;
        }
        if (code != kDone) std::cout << "(exit code " << code << ")\n";
        Measure(++done);
    }
    try {
        Reset();
        WithdrawModule(host_, plugin_);
        Unload();
    } catch (const ContractViolation&) {
        return kContractBroken;
    }
    if (const auto broken = BrokenOff(host_)) return *broken;
    std::cout << "morvel day: " << actions.size() << " actions, " << exports_ << " exports"
              << (options_.againstFresh ? ", each the same as in a fresh session" : "") << "\n";
    return kDone;
}

HostOptions Day::NextOptions(HostOptions options) {
    options.company = options_.company;
    options.echoMessages = true;
    for (const AskedFailure& failure : next_) failure.NoteInto(options.failures);
    next_.clear();
    return options;
}

bool Day::Begin(HostOptions options) {
    try {
        host_.BeginAction(std::move(options));
        return true;
    } catch (const std::runtime_error& error) {
        std::cerr << "morvel: " << error.what() << "\n";
        return false;
    }
}

void Day::Reset() {
    try {
        host_.BeginAction(HostOf(options_.company));
    } catch (const std::runtime_error&) {
        // Told by the action that met it; what follows here does not read the company.
    }
}

int Day::Command(HostOptions answers, int (*outcome)(const Host& host)) {
    if (!Begin(NextOptions(std::move(answers)))) return kBadInput;
    RunModuleCommand(host_, plugin_);
    if (const auto broken = BrokenOff(host_)) return *broken;
    return outcome(host_);
}

int Day::Export(const HostOptions& answers, const std::vector<std::string>& arguments) {
    ++exports_;
    if (!options_.againstFresh) return Command(answers, &ExportOutcome);
    FreshFolder fresh;
    CopyFiles(options_.company, fresh.Path() / "company");
    std::vector<std::string> freshArguments = arguments;
    for (const AskedFailure& failure : next_) {
        const std::vector<std::string> asked = failure.FreshArguments();
        freshArguments.insert(freshArguments.end(), asked.begin(), asked.end());
    }
    const int code = Command(answers, &ExportOutcome);
    unlikeFresh_ = UnlikeFresh(fresh.Path(), freshArguments, code);
    if (unlikeFresh_) {
        fresh.Keep();
        *unlikeFresh_ += " (the fresh session's folder is kept: " + fresh.Path().string() + ")";
    }
    return code;
}

std::optional<std::string> Day::UnlikeFresh(const fs::path& folder, const std::vector<std::string>& arguments,
                                            int code) const {
    const fs::path company = folder / "company", messages = folder / "messages.txt";
    std::vector<std::string> command{"export", company.string()};
    command.insert(command.end(), arguments.begin(), arguments.end());
    command.insert(command.end(), {"--messages", messages.string()});
    const int freshCode = RunProgram(*options_.againstFresh, command, folder / "output.txt", folder / "errors.txt");
    if (freshCode != code)
        return "the export ended with exit code " + std::to_string(code) + " here and " + std::to_string(freshCode) +
               " in a fresh session";
    std::string shown;
    for (const Message& message : host_.Messages()) shown += PrintedMessage(message);
    // A session that could not read the company showed no message and wrote no file of them.
    if (const auto difference = FirstDifference(shown, FileIfAny(messages).value_or("")))
        return "the messages shown: " + *difference;
    for (const char* name : {teta::kRegisterFileName, teta::kAccountsFileName})
        if (const auto difference = FirstDifference(FileIfAny(options_.company / name), FileIfAny(company / name)))
            return std::string(name) + " " + *difference;
    return std::nullopt;
}

int Day::Scheme(const HostOptions& answers) { return Command(answers, &SchemeOutcome); }

int Day::Form(const HostOptions& answers) { return Command(answers, &FormOutcome); }

int Day::ChangeCompany(const std::function<void(const fs::path& company)>& change) {
    try {
        change(options_.company);
        return kDone;
    } catch (const std::runtime_error& error) {
        std::cerr << "morvel: " << error.what() << "\n";
        return kBadInput;
    }
}

int Day::FailNext(const AskedFailure& failure) {
    next_.push_back(failure);
    return kDone;
}

int Day::Start() {
    const ModuleStart started = StartModule(host_, plugin_);
    if (started == ModuleStart::Registered) return kDone;
    const int code = BrokenOff(host_).value_or(kFailed);
    if (started == ModuleStart::Initialised) WithdrawModule(host_, plugin_);
    // The user tries again, in a host whose failure is over.
    Reset();
    if (StartModule(host_, plugin_) != ModuleStart::Registered) {
        std::cerr << "morvel day: the plug-in could not be started again after a start that failed\n";
        return kContractBroken;
    }
    return code;
}

int Day::WithdrawAndStart() { return Restart(false); }

int Day::Reload() { return Restart(true); }

int Day::Restart(bool reload) {
    if (!Begin(NextOptions(HostOf(options_.company)))) return kBadInput;
    WithdrawModule(host_, plugin_);
    const std::optional<int> broken = BrokenOff(host_);
    if (broken) Reset();
    if (reload) {
        Unload();
        Load();
    }
    const int started = Start();
    return started == kDone && broken ? *broken : started;
}

int Day::Refuse(const HostOptions& unfitHost) {
    if (!Begin(NextOptions(HostOf(options_.company)))) return kBadInput;
    WithdrawModule(host_, plugin_);
    Unload();
    if (!Begin(NextOptions(unfitHost))) return kBadInput;
    Load();
    const ModuleStart started = StartModule(host_, plugin_);
    int code = BrokenOff(host_).value_or(started == ModuleStart::Refused ? kFailed : kDone);
    if (started != ModuleStart::Refused) WithdrawModule(host_, plugin_);
    Unload();
    Reset();
    Load();
    const int restarted = Start();
    return restarted == kDone ? code : restarted;
}

int Day::Keep(const fs::path& folder) {
    try {
        CopyFiles(options_.company, folder);
        std::cout << "morvel day: the company folder kept in " << folder.string() << "\n";
        return kDone;
    } catch (const fs::filesystem_error& error) {
        std::cerr << "morvel: " << error.what() << "\n";
        return kBadInput;
    }
}

void Day::Load() {
    plugin_.Load();
    loaded_ = true;
}

void Day::Unload() {
    plugin_.Unload();
    loaded_ = false;
}

void Day::Measure(std::size_t actionsDone) const {
    if (std::find(options_.measureAfter.begin(), options_.measureAfter.end(), actionsDone) == options_.measureAfter.end())
        return;
    const ProcessFigures figures = OwnFigures();
    std::cout << "morvel day: after " << actionsDone << " actions: memory " << figures.memory << " bytes, resident "
              << figures.resident << " bytes, handles " << figures.handles << "\n"
              << std::flush;
}

}  // namespace klarvo::sim
