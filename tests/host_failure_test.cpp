// Failures of the host that pass through the plug-in, raised and caught as a host of another
// compiler raises and catches them: whatever the plug-in holds is given back, and half-written
// files are emptied.

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <stdexcept>
#include <tuple>

#if defined(_WIN32)
#include <setjmp.h>
#include <windows.h>

#include "src/host/exception_frame.h"
#endif

#include "hostsim/company/table_file.h"
#include "hostsim/faults/fault_raising.h"
#include "hostsim/service_meter.h"
#include "hostsim/session/linked_plugin.h"
#include "hostsim/session/plugin_session.h"
#include "hostsim/session/process.h"
#include "hostsim/session/session.h"
#include "src/frame/from_host.h"
#include "src/frame/hold_link.h"
#include "src/frame/hold.h"
#include "src/frame/service_call.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

namespace fs = std::filesystem;

const char* const kCustomers = "number,name\n1,Pierwsza\n2,Druga\n-3,Osoba\n";
const char* const kDocuments =
    "number,date,customer,amount_1,amount_2,amount_3\n"
    "FV/1,2024-01-10,1,100,23,123\n"
    "FV/2,2024-01-11,2,10,2.3,12.3\n"
    "FV/3,2024-01-12,-3,1,0,1\n";

const std::vector<std::string> kJanuary = {"--from", "2024-01-01", "--to", "2024-01-31", "--invoices"};

// The ways this target's host raises its failures in.
std::vector<sim::FailureWayName> Ways() { return {sim::RaisableWays().begin(), sim::RaisableWays().end()}; }

}  // namespace
}  // namespace klarvo::test

namespace klarvo::sim {
// For the names of the cases in GoogleTest's messages.
static void PrintTo(const FailureWayName& way, std::ostream* out) { *out << way.name; }
}  // namespace klarvo::sim

namespace klarvo::test {
namespace {

// What a morvel session of these arguments ended with.
struct Session {
    int exitCode;
    std::string errors;
};

Session RunSession(const std::vector<std::string>& arguments) {
    sim::LinkedPlugin plugin;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int exitCode = sim::RunMorvel(arguments, plugin);
    ::testing::internal::GetCapturedStdout();
    return {exitCode, ::testing::internal::GetCapturedStderr()};
}

// What the export leaves: no file; the register alone, empty (the opening of the files broke off,
// as when the accounts file cannot be opened); both, emptied (the run had begun); both, whole.
enum class Files { None, RegisterEmpty, Emptied, Whole };

struct ThrowInCase {
    const char* name;
    const char* command;
    std::vector<std::string> throwIns;
    Files files;
};

void PrintTo(const ThrowInCase& c, std::ostream* out) { *out << c.name; }

class HostFailures : public ::testing::TestWithParam<std::tuple<ThrowInCase, sim::FailureWayName>> {};

// Exit code 4: the host's failure passed through the plug-in, and the strict host found nothing
// left behind (files, holders, walker, callbacks, blocks, progress window, mode flag).
TEST_P(HostFailures, PassThroughThePluginWhichGivesBackAllItHolds) {
    const auto& [c, way] = GetParam();
    const TestCompany company(kCustomers, kDocuments);
    std::vector<std::string> arguments = {c.command, company.Folder().string(), "--host-failure", way.name};
    for (const std::string& throwIn : c.throwIns) arguments.insert(arguments.end(), {"--throw-in", throwIn});
    if (std::string(c.command) == "export") arguments.insert(arguments.end(), kJanuary.begin(), kJanuary.end());
    const Session session = RunSession(arguments);
    EXPECT_EQ(session.exitCode, 4) << session.errors;
    EXPECT_NE(session.errors.find("failed on its call"), std::string::npos) << session.errors;
    EXPECT_EQ(company.Has("!Fs_pln.fkw"), c.files != Files::None);
    EXPECT_EQ(company.Has("!Konta.fkx"), c.files == Files::Emptied || c.files == Files::Whole);
    for (const char* file : {"!Fs_pln.fkw", "!Konta.fkx"})
        if (company.Has(file)) {
            EXPECT_EQ(company.Read(file).empty(), c.files != Files::Whole) << file;
        }
}

INSTANTIATE_TEST_SUITE_P(
    ThrowIn, HostFailures,
    ::testing::Combine(
        ::testing::Values(ThrowInCase{"DocumentWalk", "export", {"52279:2"}, Files::Emptied},
                          ThrowInCase{"DocumentAmounts", "export", {"51545:3"}, Files::Emptied},
                          ThrowInCase{"RegisterWrite", "export", {"52541:4"}, Files::Emptied},
                          ThrowInCase{"CustomerPass", "export", {"52352:2"}, Files::Emptied},
                          ThrowInCase{"PersonPass", "export", {"40404:3"}, Files::Emptied},
                          ThrowInCase{"SettingsRead", "export", {"41399:2"}, Files::None},
                          ThrowInCase{"RangeForm", "export", {"24007"}, Files::None},
                          ThrowInCase{"ProgressWindow", "export", {"52228"}, Files::Emptied},
                          ThrowInCase{"SchemeEditor", "scheme", {"24006"}, Files::None},
                          ThrowInCase{"SchemeEditorList", "scheme", {"38400:40"}, Files::None},
                          ThrowInCase{"SchemeLoad", "scheme", {"52224:3"}, Files::None},
                          ThrowInCase{"Initialise", "export", {"51594"}, Files::None},
                          // The services that take back what the plug-in held, failing on their first
                          // call: a release that failed counts as done, nothing else is kept back.
                          ThrowInCase{"FileClose", "export", {"52305"}, Files::Emptied},
                          ThrowInCase{"FileHolderMade", "export", {"22562"}, Files::RegisterEmpty},
                          ThrowInCase{"FileHolderDestroyed", "export", {"22563"}, Files::RegisterEmpty},
                          ThrowInCase{"WalkEnded", "export", {"52281"}, Files::Emptied},
                          ThrowInCase{"WalkerDestroyed", "export", {"50538"}, Files::Emptied},
                          ThrowInCase{"ProgressClosed", "export", {"52230"}, Files::Emptied},
                          ThrowInCase{"BlockFreed", "export", {"21287"}, Files::Whole},
                          ThrowInCase{"DialogPartEnded", "export", {"20903"}, Files::Whole},
                          ThrowInCase{"ModeFlagSet", "export", {"32408"}, Files::None},
                          ThrowInCase{"ModeFlagCleared", "export", {"32408:2"}, Files::Whole},
                          ThrowInCase{"EditorCallbackDestroyed", "scheme", {"20973"}, Files::None},
                          ThrowInCase{"EditorDialogPartEnded", "scheme", {"20903"}, Files::None},
                          ThrowInCase{"EditorBlockFreed", "scheme", {"21287"}, Files::None},
                          // A second failure while the first unwinds the plug-in.
                          ThrowInCase{"WalkerDestroyedWhileUnwinding", "export", {"52279:2", "50538"}, Files::Emptied},
                          ThrowInCase{"FileCloseWhileUnwinding", "export", {"52352:2", "52305"}, Files::Emptied},
                          ThrowInCase{"EmptyingWhileUnwinding", "export", {"52352:2", "22563:3"}, Files::Emptied}),
        ::testing::ValuesIn(Ways())),
    [](const auto& info) { return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name; });

// Every call of every service, or in the emulated guest, where each session costs a hundred times
// more, the first of each service and every eighth after it (KLARVO_SWEEP_EVERY).
#if defined(KLARVO_SWEEP_EVERY)
constexpr int kSweepEvery = KLARVO_SWEEP_EVERY;
#else
constexpr int kSweepEvery = 1;
#endif

TestCompany SampleCompany() {
    const fs::path sample = fs::path(KLARVO_SOURCE_DIR) / "hostsim" / "sample";
    return TestCompany(sim::ReadFile(sample / "customers.csv"), sim::ReadFile(sample / "documents.csv"));
}

// A command of the sample company, failed at every call of every service it makes, from the host's
// start to its end: the plug-in's initialisation, its registration and install notice, the
// command and the withdrawal.
struct SweptCommand {
    const char* name;
    std::vector<std::string> arguments;  // after the company folder
};

void PrintTo(const SweptCommand& command, std::ostream* out) { *out << command.name; }

class EveryServiceCall : public ::testing::TestWithParam<std::tuple<SweptCommand, sim::FailureWayName>> {};

// Each failure passes through the plug-in with everything given back (exit code 4: the strict
// host's end-of-command checks passed) and leaves no file half written: each output file is
// missing, empty or whole, and whole only when both are.
TEST_P(EveryServiceCall, PassesThroughThePluginWithEverythingGivenBack) {
    const auto& [command, way] = GetParam();
    const TestCompany company = SampleCompany();
    std::vector<std::string> arguments = {command.name, company.Folder().string()};
    arguments.insert(arguments.end(), command.arguments.begin(), command.arguments.end());

    // Every session starts from the company as it was, without what an earlier one wrote.
    const auto restart = [&company] {
        for (const char* written : {"!Fs_pln.fkw", "!Konta.fkx", "Klarvo.ini", "config.ini"})
            fs::remove(company.Folder() / written);
    };
    restart();
    const Session clean = RunSession(arguments);
    ASSERT_EQ(clean.exitCode, 0) << clean.errors;
    const std::string whole[] = {company.Read("!Fs_pln.fkw"), company.Read("!Konta.fkx")};

    // Each service fails on its first call, its second and so on, until a session runs through
    // without its failure: the service has no more calls.
    int failures = 0;
    std::vector<std::string> heldOrHalfDone;
    for (const std::uint16_t service : host::kServiceNumbers)
        for (int call = 1;; call += kSweepEvery) {
            ASSERT_LT(call, 10000) << service << " fails on every call";
            restart();
            const std::string throwIn = std::to_string(service) + ":" + std::to_string(call);
            std::vector<std::string> failing = arguments;
            failing.insert(failing.end(), {"--throw-in", throwIn, "--host-failure", way.name});
            const Session session = RunSession(failing);
            if (session.exitCode == 0 && session.errors.find("failed on its call") == std::string::npos) break;
            ++failures;
            int wholeFiles = 0;
            bool halfDone = false;
            for (int i = 0; i < 2; ++i) {
                const char* name = i == 0 ? "!Fs_pln.fkw" : "!Konta.fkx";
                const std::string written = company.Has(name) ? company.Read(name) : "";
                wholeFiles += !written.empty() && written == whole[i];
                halfDone |= !written.empty() && written != whole[i];
            }
            halfDone |= wholeFiles == 1;
            if (session.exitCode != 4 || halfDone)
                heldOrHalfDone.push_back(throwIn + ": exit code " + std::to_string(session.exitCode) +
                                         (halfDone ? ", a file half written" : "") + "\n" + session.errors);
        }
    RecordProperty("calls_failed", failures);
    EXPECT_GT(failures, 100);
    EXPECT_EQ(heldOrHalfDone, std::vector<std::string>{}) << failures << " failures tried";
}

INSTANTIATE_TEST_SUITE_P(
    SampleCompany, EveryServiceCall,
    ::testing::Combine(::testing::Values(SweptCommand{"export", {"--from", "2024-01-01", "--to", "2024-03-31", "--invoices"}},
                                         SweptCommand{"scheme", {"--edit", KLARVO_SOURCE_DIR "/hostsim/sample/scheme.csv"}}),
                       ::testing::ValuesIn(Ways())),
    [](const auto& info) { return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name; });

#if defined(_WIN32)
// A host program with the real Klarvo.dll beside it, and the way its failures are raised: the
// simulator's own morvel.exe, and the second host of the host's own kind of compiler in each of
// the ways of its own (its own is that compiler's C++ exception).
struct ThroughProgram {
    const char* name;
    const char* program;
    const char* way;
};

void PrintTo(const ThroughProgram& through, std::ostream* out) { *out << through.name; }

class EveryServiceCallThroughTheDll : public ::testing::TestWithParam<ThroughProgram> {};

// The sample export in a host program, the plug-in loaded once for a day in which each call of
// every service of the export fails in turn: after each export the host finds nothing held.
TEST_P(EveryServiceCallThroughTheDll, GivesBackEverythingAfterEachFailure) {
    const TestCompany company = SampleCompany();
    const std::string exportLine = "export --from 2024-01-01 --to 2024-03-31 --invoices --today 2024-04-02";
    sim::PerService<int> calls{};
    {
        sim::HostOptions options = Period("20240101", "20240331");
        options.company = company.Folder();
        sim::Host host(options);
        sim::LinkedPlugin plugin;
        ASSERT_TRUE(sim::RunPluginSession(host, plugin, [&] {
            sim::RunModuleCommand(host, plugin);
            calls = host.CommandCalls();
        }));
    }
    std::ofstream script(company.Folder() / "day.txt", std::ios::binary);
    int failures = 0;
    for (std::size_t index = 0; index < calls.size(); ++index)
        for (int call = 1; call <= calls[index]; call += kSweepEvery, ++failures)
            script << "host-failure " << GetParam().way << "\nthrow-in " << sim::kServiceNumbers[index] << ":" << call << "\n"
                   << exportLine << "\n";
    script.close();
    const fs::path output = company.Folder() / "output.txt", errors = company.Folder() / "errors.txt";
    const int code = sim::RunProgram(GetParam().program, {"day", company.Folder().string(), (company.Folder() / "day.txt").string()},
                                     output, errors);
    const std::string shown = sim::ReadFile(output);
    EXPECT_EQ(code, 0) << sim::ReadFile(errors);
    EXPECT_NE(shown.find(std::to_string(3 * failures) + " actions, " + std::to_string(failures) + " exports"), std::string::npos);
    int passedThrough = 0;
    for (std::size_t at = shown.find("(exit code 4)"); at != std::string::npos; at = shown.find("(exit code 4)", at + 1))
        ++passedThrough;
    EXPECT_EQ(passedThrough, failures);
    RecordProperty("calls_failed", failures);
}

INSTANTIATE_TEST_SUITE_P(SampleCompany, EveryServiceCallThroughTheDll,
                         ::testing::Values(ThroughProgram{"MorvelOwn", KLARVO_MORVEL, "own"},
                                           ThroughProgram{"SecondHostCxx", KLARVO_SECOND_HOST, "cxx"},
                                           ThroughProgram{"SecondHostExcept", KLARVO_SECOND_HOST, "except"},
                                           ThroughProgram{"SecondHostLongjmp", KLARVO_SECOND_HOST, "longjmp"}),
                         [](const auto& info) { return std::string(info.param.name); });
#endif

TEST(HostFailures, ASettingsFileWithACharacterTheCodePageLacksIsNamed) {
    const TestCompany company(kCustomers, kDocuments);
    company.Write("Klarvo.ini", "[Klarvo]\nOpcjeWstep = 1,20240101,20240131 \xF0\x9F\x98\x80\n");
    const Session session = RunSession({"export", company.Folder().string()});
    EXPECT_EQ(session.exitCode, 2);
    EXPECT_NE(session.errors.find("Klarvo.ini, section [Klarvo], key OpcjeWstep"), std::string::npos) << session.errors;
    EXPECT_FALSE(company.Has("!Fs_pln.fkw"));
}

TEST(HostFailures, AWayTheHostCannotRaiseItsFailuresInIsRefused) {
    const TestCompany company(kCustomers, kDocuments);
    const Session session = RunSession({"export", company.Folder().string(), "--host-failure", "signal"});
    EXPECT_EQ(session.exitCode, 2);
    EXPECT_NE(session.errors.find("--host-failure: takes one of own, "), std::string::npos) << session.errors;
}

// A failure of the host as the platform raises it: any code will do, the plug-in reads none.
[[noreturn]] void HostFails() {
#if defined(_WIN32)
    RaiseException(0xE0000100, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    __builtin_unreachable();
#else
    throw std::runtime_error("a release failed");
#endif
}

struct Holder {
    Holder(std::vector<int>* givenBack, int id, void (*release)() = nullptr)
        : givenBack(givenBack), id(id), release(release) {}

    std::vector<int>* givenBack;
    int id;
    void (*release)();  // what else its release does
    frame::HoldLink link{this, [](void* holder) {
                         auto* self = static_cast<Holder*>(holder);
                         self->givenBack->push_back(self->id);
                         if (self->release) self->release();
                     }};
};

// The list that an unwinding walks: what is above the mark goes back, latest first, a release that
// fails in the host does not keep the others back, and an entry below the mark that went meanwhile
// (the deleting destruction) leaves the mark where it was.
TEST(HeldByThePlugin, AnUnwindingGivesBackWhatIsAboveItsMarkLatestFirst) {
    std::vector<int> givenBack;
    frame::HoldMark outerMark;
    const Holder outer(&givenBack, 1);
    std::optional<Holder> below(std::in_place, &givenBack, 2);
    frame::HoldMark mark;
    below.reset();
    {
        const Holder first(&givenBack, 3), failing(&givenBack, 4, &HostFails), last(&givenBack, 5);
        frame::GiveBackAbove(mark);
    }
    EXPECT_EQ(givenBack, (std::vector<int>{5, 4, 3}));
    frame::GiveBackAbove(outerMark);
    EXPECT_EQ(givenBack, (std::vector<int>{5, 4, 3, 1}));
}

std::vector<int>* g_released = nullptr;

void ReleaseFailingForTwo(int id) {
    g_released->push_back(id);
    if (id == 2) HostFails();
}

// Holds go back at the end of their scope, the latest first; one whose release fails in the host
// keeps none of the others back, and its failure goes no further than the call contained.
TEST(HeldByThePlugin, HoldsGoBackLatestFirstPastAFailingRelease) {
    std::vector<int> released;
    g_released = &released;
    frame::Contained(
        [](void*) {
            frame::Hold<int, ReleaseFailingForTwo> first, failing, last;
            first.Take(1);
            failing.Take(2);
            last.Take(3);
        },
        nullptr);
    EXPECT_EQ(released, (std::vector<int>{3, 2, 1}));
}

// Whatever breaks off a release while the plug-in gives back: the host's failure, a crash, an
// exception of the plug-in's own.
struct Breaking {
    const char* name;
    void (*breaks)();
};

void PrintTo(const Breaking& breaking, std::ostream* out) { *out << breaking.name; }

class AReleaseBrokenOff : public ::testing::TestWithParam<Breaking> {};

// It ends that release alone: what the release took before it broke off is given back, and
// nothing goes further.
TEST_P(AReleaseBrokenOff, GoesNoFurtherThanItself) {
    struct Inside {
        void (*breaks)();
        std::vector<int> givenBack;
    } inside{GetParam().breaks, {}};
    frame::Contained(
        [](void* context) {
            auto* in = static_cast<Inside*>(context);
            frame::Hold<std::vector<int>*, [](std::vector<int>* givenBack) { givenBack->push_back(1); }> taken;
            taken.Take(&in->givenBack);
            in->breaks();
        },
        &inside);
    EXPECT_EQ(inside.givenBack, std::vector<int>{1});
    EXPECT_FALSE(frame::Unwinding());
}

#if defined(_WIN32)
void NullWrite() { *static_cast<volatile int*>(nullptr) = 1; }
void DivisionByZero() {
    volatile int zero = 0;
    volatile int quotient = 1 / zero;
    (void)quotient;
}
#endif

INSTANTIATE_TEST_SUITE_P(
    HeldByThePlugin, AReleaseBrokenOff,
    ::testing::Values(Breaking{"TheHostsFailure", &HostFails}, Breaking{"OutOfMemory", [] { throw std::bad_alloc(); }}
#if defined(_WIN32)
                      ,
                      Breaking{"AccessViolation", &NullWrite}, Breaking{"DivisionByZero", &DivisionByZero},
                      Breaking{"CxxOfTheHostsCompiler", [] { RaiseException(0xE06D7363, EXCEPTION_NONCONTINUABLE, 0, nullptr); }}
#endif
                      ),
    [](const auto& info) { return std::string(info.param.name); });

// The host's failures pass on through the plug-in, whatever their type: one that came out of a
// service is the host's, also while a second one of a release is contained; one of the plug-in's
// own is told to the user and ends the call with the failure result.
class FromTheHost : public PluginTest {};

std::string g_thrownNext;

void HostThrows() { throw std::runtime_error(g_thrownNext); }

TEST_F(FromTheHost, AnExceptionOfTheHostOfAnyTypePassesOn) {
    g_thrownNext = "the host's";
    EXPECT_THROW(frame::FromHost(0, [] { return frame::CallHost(&HostThrows), 1; }), std::runtime_error);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{});
}

TEST_F(FromTheHost, TheFirstOfTwoFailuresOfTheHostIsTheOnePassedOn) {
    g_thrownNext = "the first";
    try {
        frame::FromHost(0, [] {
            frame::Hold<int, [](int) {
                g_thrownNext = "the second";
                frame::CallHost(&HostThrows);
            }> held;
            held.Take(1);
            frame::CallHost(&HostThrows);
            return 1;
        });
        ADD_FAILURE() << "nothing passed on";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "the first");
    }
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{});
}

TEST_F(FromTheHost, AnExceptionOfThePluginsOwnIsToldAndEndsTheCall) {
    EXPECT_EQ(frame::FromHost(-1, []() -> int { throw std::runtime_error("the plug-in's"); }), -1);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Błąd wewnętrzny wtyczki! Operację przerwano."});
}

#if defined(_WIN32)
struct UnwindCase {
    const char* name;
    unsigned long code;
    host::UnwindRecord record;
};

void PrintTo(const UnwindCase& c, std::ostream* out) { *out << c.name; }

class AnUnwindPassingThePlugin : public ::testing::TestWithParam<UnwindCase> {};

// The plug-in's frame gives back what it holds whatever unwinds it, and leaves its list of holds
// whole for whatever comes next, as the host goes on after it.
TEST_P(AnUnwindPassingThePlugin, GivesBackWhatThePluginHolds) {
    struct Inside {
        unsigned long code;
        std::vector<int> givenBack;
    } inside{GetParam().code, {}};
    const bool returned = host::CatchRaised(
        [&inside] {
            const frame::HostExceptionFrame frame;
            const Holder held(&inside.givenBack, 1);
            RaiseException(inside.code, EXCEPTION_NONCONTINUABLE, 0, nullptr);
        },
        [](unsigned long) { return true; }, GetParam().record);
    EXPECT_FALSE(returned);
    EXPECT_EQ(inside.givenBack, std::vector<int>{1});
    EXPECT_FALSE(frame::Unwinding());
    std::vector<int> afterwards;
    frame::HoldMark mark;
    { const Holder next(&afterwards, 2); }
    const Holder last(&afterwards, 3);
    frame::GiveBackAbove(mark);
    EXPECT_EQ(afterwards, std::vector<int>{3});
}

INSTANTIATE_TEST_SUITE_P(
    Unwinds, AnUnwindPassingThePlugin,
    ::testing::Values(UnwindCase{"TheSimulatorsOwn", 0xE04B4C56, host::UnwindRecord::Passed},
                      UnwindCase{"AnExceptFramesGlobalUnwind", 0xE0000100, host::UnwindRecord::Withheld},
                      UnwindCase{"CxxOfTheHostsCompiler", 0xE06D7363, host::UnwindRecord::Passed},
                      UnwindCase{"AccessViolation", EXCEPTION_ACCESS_VIOLATION, host::UnwindRecord::Withheld},
                      UnwindCase{"StackOverflow", static_cast<unsigned long>(STATUS_STACK_OVERFLOW), host::UnwindRecord::Passed},
                      UnwindCase{"DivisionByZero", EXCEPTION_INT_DIVIDE_BY_ZERO, host::UnwindRecord::Withheld}),
    [](const auto& info) { return std::string(info.param.name); });

// A crash in the plug-in's own code that the host catches and goes on from: the host's things go
// back to it.
TEST(HeldByThePlugin, ACrashOfThePluginThatTheHostCatchesGivesBackWhatItHolds) {
    std::vector<int> givenBack;
    const bool returned = host::CatchRaised(
        [&givenBack] {
            const frame::HostExceptionFrame frame;
            const Holder held(&givenBack, 1);
            NullWrite();
        },
        [](unsigned long) { return true; }, host::UnwindRecord::Withheld);
    EXPECT_FALSE(returned);
    EXPECT_EQ(givenBack, std::vector<int>{1});
}

// The Microsoft C runtime's longjmp back to the host's setjmp, across the plug-in.
TEST(HeldByThePlugin, ALongjmpAcrossThePluginGivesBackWhatItHolds) {
    std::vector<int> givenBack;
    jmp_buf host;
    if (setjmp(host) == 0) {
        const frame::HostExceptionFrame frame;
        const Holder held(&givenBack, 1);
        longjmp(host, 1);
    }
    EXPECT_EQ(givenBack, std::vector<int>{1});
    EXPECT_FALSE(frame::Unwinding());
}

// A crash in a release while the host's failure is given back ends that release alone: the rest
// goes back, and afterwards the plug-in no longer counts itself as unwinding.
TEST(HeldByThePlugin, ACrashInAReleaseWhileGivingBackStillGivesBackTheRest) {
    std::vector<int> givenBack;
    const bool returned = host::CatchRaised(
        [&givenBack] {
            const frame::HostExceptionFrame frame;
            const Holder first(&givenBack, 1), crashing(&givenBack, 2, &NullWrite), last(&givenBack, 3);
            HostFails();
        },
        [](unsigned long) { return true; });
    EXPECT_FALSE(returned);
    EXPECT_EQ(givenBack, (std::vector<int>{3, 2, 1}));
    EXPECT_FALSE(frame::Unwinding());
}

jmp_buf* g_host = nullptr;

// A release that leaves by the host's longjmp while the host's failure is given back: the rest goes
// back on the longjmp's own unwind.
TEST(HeldByThePlugin, ALongjmpOutOfAReleaseWhileGivingBackStillGivesBackTheRest) {
    std::vector<int> givenBack;
    jmp_buf host;
    g_host = &host;
    if (setjmp(host) == 0) {
        host::CatchRaised(
            [&givenBack] {
                const frame::HostExceptionFrame frame;
                const Holder first(&givenBack, 1), leaving(&givenBack, 2, [] { longjmp(*g_host, 1); }), last(&givenBack, 3);
                HostFails();
            },
            [](unsigned long) { return true; });
        ADD_FAILURE() << "the longjmp did not come back to the host";
    }
    EXPECT_EQ(givenBack, (std::vector<int>{3, 2, 1}));
    EXPECT_FALSE(frame::Unwinding());
    std::vector<int> afterwards;
    frame::HoldMark mark;
    const Holder next(&afterwards, 4);
    frame::GiveBackAbove(mark);
    EXPECT_EQ(afterwards, std::vector<int>{4});
}
#endif

}  // namespace
}  // namespace klarvo::test
