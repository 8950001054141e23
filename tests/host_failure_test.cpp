// Failures of the host that pass through the plug-in, as a Windows host raises them: whatever
// the plug-in holds is given back, and half-written files are emptied.

#include <gtest/gtest.h>

#include "frame/held.h"
#include "linked_plugin.h"
#include "session.h"
#include "test_company.h"

namespace klarvo::test {
namespace {

const char* const kCustomers = "number,name\n1,Pierwsza\n2,Druga\n-3,Osoba\n";
const char* const kDocuments =
    "number,date,customer,amount_1,amount_2,amount_3\n"
    "FV/1,2024-01-10,1,100,23,123\n"
    "FV/2,2024-01-11,2,10,2.3,12.3\n"
    "FV/3,2024-01-12,-3,1,0,1\n";

struct ThrowInCase {
    const char* name;
    const char* command;
    const char* throwIn;
    bool filesEmptied;  // the run had begun: both files are there, and empty
};

class HostFailures : public ::testing::TestWithParam<ThrowInCase> {};

// Exit code 4: the host's failure passed through the plug-in, and the strict host found nothing
// left behind (files, holders, walker, callbacks, blocks, progress window, mode flag).
TEST_P(HostFailures, PassThroughThePluginWhichGivesBackAllItHolds) {
    const ThrowInCase& c = GetParam();
    const TestCompany company(kCustomers, kDocuments);
    sim::LinkedPlugin plugin;
    std::vector<std::string> arguments = {c.command, company.Folder().string(), "--throw-in", c.throwIn};
    if (std::string(c.command) == "export")
        arguments.insert(arguments.end(), {"--from", "2024-01-01", "--to", "2024-01-31", "--invoices"});
    ::testing::internal::CaptureStderr();
    const int exitCode = sim::RunMorvel(arguments, plugin);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(exitCode, 4) << errors;
    EXPECT_NE(errors.find("failed on its call"), std::string::npos) << errors;
    for (const char* file : {"!Fs_pln.fkw", "!Konta.fkx"}) {
        EXPECT_EQ(company.Has(file), c.filesEmptied) << file;
        if (c.filesEmptied) {
            EXPECT_EQ(company.Read(file), "") << file;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    ThrowIn, HostFailures,
    ::testing::Values(ThrowInCase{"DocumentWalk", "export", "52279:2", true},
                      ThrowInCase{"DocumentAmounts", "export", "51545:3", true},
                      ThrowInCase{"RegisterWrite", "export", "52541:4", true},
                      ThrowInCase{"CustomerPass", "export", "52352:2", true},
                      ThrowInCase{"PersonPass", "export", "40404:3", true},
                      ThrowInCase{"SettingsRead", "export", "41399:2", false},
                      ThrowInCase{"RangeForm", "export", "24007", false},
                      ThrowInCase{"ProgressWindow", "export", "52228", true},
                      ThrowInCase{"SchemeEditor", "scheme", "24006", false},
                      ThrowInCase{"SchemeEditorList", "scheme", "38400:40", false},
                      ThrowInCase{"SchemeLoad", "scheme", "52224:3", false},
                      ThrowInCase{"Initialise", "export", "51594", false}),
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

// The list that a Windows host's unwinding walks: what is above the mark goes back, latest first.
struct Holder {
    std::vector<int>* givenBack;
    int id;
    frame::Held held{this, [](void* holder) {
                         auto* self = static_cast<Holder*>(holder);
                         self->givenBack->push_back(self->id);
                     }};
};

TEST(HeldByThePlugin, AnUnwindingGivesBackWhatIsAboveItsMarkLatestFirst) {
    std::vector<int> givenBack;
    const Holder below{&givenBack, 1};
    const frame::Held* mark = frame::TopHeld();
    {
        const Holder first{&givenBack, 2}, second{&givenBack, 3};
        frame::GiveBackDownTo(mark);
        EXPECT_EQ(frame::TopHeld(), mark);
    }
    EXPECT_EQ(givenBack, (std::vector<int>{3, 2}));
    EXPECT_EQ(frame::TopHeld(), &below.held);
}

}  // namespace
}  // namespace klarvo::test
