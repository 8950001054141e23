// Failures of the host that pass through the plug-in, as a Windows host raises them: whatever
// the plug-in holds is given back, and half-written files are emptied.

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>

#include "src/host/exception_frame.h"
#endif

#include "hostsim/session/linked_plugin.h"
#include "hostsim/session/session.h"
#include "src/frame/from_host.h"
#include "src/frame/held.h"
#include "src/frame/hold.h"
#include "src/host/host_fault.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

const char* const kCustomers = "number,name\n1,Pierwsza\n2,Druga\n-3,Osoba\n";
const char* const kDocuments =
    "number,date,customer,amount_1,amount_2,amount_3\n"
    "FV/1,2024-01-10,1,100,23,123\n"
    "FV/2,2024-01-11,2,10,2.3,12.3\n"
    "FV/3,2024-01-12,-3,1,0,1\n";

// What the export leaves: no file; the register alone, empty (the opening of the files broke off,
// as when the accounts file cannot be opened); both, emptied (the run had begun); both, whole.
enum class Files { None, RegisterEmpty, Emptied, Whole };

struct ThrowInCase {
    const char* name;
    const char* command;
    std::vector<std::string> throwIns;
    Files files;
};

class HostFailures : public ::testing::TestWithParam<ThrowInCase> {};

// Exit code 4: the host's failure passed through the plug-in, and the strict host found nothing
// left behind (files, holders, walker, callbacks, blocks, progress window, mode flag).
TEST_P(HostFailures, PassThroughThePluginWhichGivesBackAllItHolds) {
    const ThrowInCase& c = GetParam();
    const TestCompany company(kCustomers, kDocuments);
    sim::LinkedPlugin plugin;
    std::vector<std::string> arguments = {c.command, company.Folder().string()};
    for (const std::string& throwIn : c.throwIns) arguments.insert(arguments.end(), {"--throw-in", throwIn});
    if (std::string(c.command) == "export")
        arguments.insert(arguments.end(), {"--from", "2024-01-01", "--to", "2024-01-31", "--invoices"});
    ::testing::internal::CaptureStderr();
    const int exitCode = sim::RunMorvel(arguments, plugin);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(exitCode, 4) << errors;
    EXPECT_NE(errors.find("failed on its call"), std::string::npos) << errors;
    EXPECT_EQ(company.Has("!Fs_pln.fkw"), c.files != Files::None);
    EXPECT_EQ(company.Has("!Konta.fkx"), c.files == Files::Emptied || c.files == Files::Whole);
    for (const char* file : {"!Fs_pln.fkw", "!Konta.fkx"})
        if (company.Has(file)) {
            EXPECT_EQ(company.Read(file).empty(), c.files != Files::Whole) << file;
        }
}

INSTANTIATE_TEST_SUITE_P(
    ThrowIn, HostFailures,
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
    [](const auto& info) { return std::string(info.param.name); });

TEST(HostFailures, ASettingsFileWithACharacterTheCodePageLacksIsNamed) {
    const TestCompany company(kCustomers, kDocuments);
    company.Write("Klarvo.ini", "[Klarvo]\nOpcjeWstep = 1,20240101,20240131 \xF0\x9F\x98\x80\n");
    sim::LinkedPlugin plugin;
    ::testing::internal::CaptureStderr();
    const int exitCode = sim::RunMorvel({"export", company.Folder().string()}, plugin);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(exitCode, 2);
    EXPECT_NE(errors.find("Klarvo.ini, section [Klarvo], key OpcjeWstep"), std::string::npos) << errors;
    EXPECT_FALSE(company.Has("!Fs_pln.fkw"));
}

// A failure of the host as the platform raises it.
[[noreturn]] void HostFails() {
#if defined(_WIN32)
    RaiseException(host::kHostFaultCode, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    __builtin_unreachable();
#else
    throw host::HostFault("a release failed");
#endif
}

struct Holder {
    Holder(std::vector<int>* givenBack, int id, bool releaseFails = false)
        : givenBack(givenBack), id(id), releaseFails(releaseFails) {}

    std::vector<int>* givenBack;
    int id;
    bool releaseFails;
    frame::Held held{this, [](void* holder) {
                         auto* self = static_cast<Holder*>(holder);
                         self->givenBack->push_back(self->id);
                         if (self->releaseFails) HostFails();
                     }};
};

// The list that a Windows host's unwinding walks: what is above the mark goes back, latest first,
// a release that fails in the host does not keep the others back, and an entry below the mark
// that went meanwhile (the deleting destruction) leaves the mark where it was.
TEST(HeldByThePlugin, AnUnwindingGivesBackWhatIsAboveItsMarkLatestFirst) {
    std::vector<int> givenBack;
    frame::Held outerMark;
    const Holder outer(&givenBack, 1);
    std::optional<Holder> below(std::in_place, &givenBack, 2);
    frame::Held mark;
    below.reset();
    {
        const Holder first(&givenBack, 3), failing(&givenBack, 4, true), last(&givenBack, 5);
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
// keeps none of the others back, and its failure passes on once all were asked.
TEST(HeldByThePlugin, HoldsGoBackLatestFirstPastAFailingRelease) {
    std::vector<int> released;
    g_released = &released;
    frame::CatchingHostFault(
        [](void*) {
            frame::Hold<int, ReleaseFailingForTwo> first, failing, last;
            first.Take(1);
            failing.Take(2);
            last.Take(3);
        },
        nullptr);
    EXPECT_EQ(released, (std::vector<int>{3, 2, 1}));
}

// A release that fails otherwise than through the host (a crash, a fault of the plug-in's own) is
// not taken for the host's failure: it passes on to the host's own handling of a crash.
TEST(HeldByThePlugin, ACrashInsideAReleaseIsNotTakenForTheHostsFailure) {
    void (*crash)(void*) = [](void*) {
#if defined(_WIN32)
        RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
#else
        throw std::runtime_error("a crash");
#endif
    };
#if defined(_WIN32)
    // The host's handling of a crash, as a frame that takes every exception, around a call into
    // the plug-in.
    const bool returned = host::CatchRaised(
        [](void* release) {
            const frame::HostExceptionFrame frame;
            frame::CatchingHostFault(*static_cast<void (**)(void*)>(release), nullptr);
        },
        &crash, [](unsigned long) { return true; }, nullptr);
    EXPECT_FALSE(returned);
#else
    EXPECT_THROW(frame::CatchingHostFault(crash, nullptr), std::runtime_error);
#endif
}

#if defined(_WIN32)
struct UnwindingCase {
    const char* name;
    unsigned long code;
    bool givenBack;
};

class AnExceptionUnwindingThePlugin : public ::testing::TestWithParam<UnwindingCase> {};

// The host's own exception is given back to on its way through the plug-in's frame; after any
// other the host is asked nothing, and the plug-in's list of holds is left whole for whatever
// comes next, should the host go on.
TEST_P(AnExceptionUnwindingThePlugin, GivesBackOnlyWhenItIsTheHosts) {
    struct Inside {
        unsigned long code;
        std::vector<int> givenBack;
    } inside{GetParam().code, {}};
    const bool returned = host::CatchRaised(
        [](void* context) {
            auto* in = static_cast<Inside*>(context);
            const frame::HostExceptionFrame frame;
            const Holder held(&in->givenBack, 1);
            RaiseException(in->code, EXCEPTION_NONCONTINUABLE, 0, nullptr);
        },
        &inside, [](unsigned long) { return true; }, nullptr);
    EXPECT_FALSE(returned);
    EXPECT_EQ(inside.givenBack, GetParam().givenBack ? std::vector<int>{1} : std::vector<int>{});
    std::vector<int> afterwards;
    frame::Held mark;
    { const Holder next(&afterwards, 2); }
    const Holder last(&afterwards, 3);
    frame::GiveBackAbove(mark);
    EXPECT_EQ(afterwards, std::vector<int>{3});
}

// A crash in a release while the host's exception is given back cuts that give-back short:
// afterwards the plug-in no longer counts itself as unwinding, so that a later release that fails
// passes on as any service's failure does.
TEST(HeldByThePlugin, ACrashInAGiveBackEndsIt) {
    const bool returned = host::CatchRaised(
        [](void*) {
            const frame::HostExceptionFrame frame;
            const frame::Held crashing{nullptr, [](void*) {
                                           RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
                                       }};
            RaiseException(host::kHostFaultCode, EXCEPTION_NONCONTINUABLE, 0, nullptr);
        },
        nullptr, [](unsigned long) { return true; }, nullptr);
    EXPECT_FALSE(returned);
    EXPECT_FALSE(frame::Unwinding());
}

INSTANTIATE_TEST_SUITE_P(Codes, AnExceptionUnwindingThePlugin,
                         ::testing::Values(UnwindingCase{"TheHosts", host::kHostFaultCode, true},
                                           UnwindingCase{"AccessViolation", EXCEPTION_ACCESS_VIOLATION, false},
                                           UnwindingCase{"StackOverflow", static_cast<unsigned long>(STATUS_STACK_OVERFLOW), false},
                                           UnwindingCase{"DivisionByZero", EXCEPTION_INT_DIVIDE_BY_ZERO, false}),
                         [](const auto& info) { return std::string(info.param.name); });
#endif

}  // namespace
}  // namespace klarvo::test
