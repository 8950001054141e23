// What the simulated host keeps of its services' calls for the benchmark, and its formatted
// write, which the benchmark's direct writer shares.

#include <gtest/gtest.h>

#include <cstdarg>
#include <string>

#include "hostsim/service_meter.h"
#include "hostsim/text/text_file.h"
#include "src/host/services.h"
#include "tests/test_company.h"

namespace klarvo::test {
namespace {

constexpr std::size_t kWriteFile = sim::kServiceIndexOf<host::service::WriteFile::kNumber>;
constexpr std::size_t kRunForm = sim::kServiceIndexOf<host::service::RunForm::kNumber>;
constexpr std::size_t kShowStopMessage = sim::kServiceIndexOf<host::service::ShowStopMessage::kNumber>;

TEST(ServiceMeter, TimesTheServicesCalledWhileStartedAndNothingAfter) {
    const TestCompany company("number\n42\n", "number,date,customer,amount_1\nFV/1,2024-01-02,42,12300\n");
    sim::g_serviceTimes.Start();
    RunExport(company, January());
    sim::g_serviceTimes.Stop();
    const sim::PerService<std::uint64_t> timed = sim::g_serviceTimes.Ticks();
    EXPECT_GT(timed[kWriteFile], 0u);
    EXPECT_GT(timed[kRunForm], 0u);
    EXPECT_EQ(timed[kShowStopMessage], 0u);

    RunExport(company, January());
    EXPECT_EQ(sim::g_serviceTimes.Ticks(), timed);
    sim::g_serviceTimes.Start();
    EXPECT_EQ(sim::g_serviceTimes.Ticks(), sim::PerService<std::uint64_t>{});
    sim::g_serviceTimes.Stop();
}

int Write(std::FILE* stream, const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const int written = sim::WriteFormatted(stream, format, arguments);
    va_end(arguments);
    return written;
}

TEST(FormattedWrite, WritesALineLongerThanItsBufferWholeWithCrLf) {
    const TestCompany company("number\n1\n", "number\nFV/1\n");
    const std::string longText(5000, 'x');
    std::FILE* file = sim::OpenTextFile(company.Folder() / "long.txt");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(Write(file, "%s|%d\n", longText.c_str(), 2200), 5006);
    EXPECT_EQ(Write(file, "%-6s|\n", "ab"), 8);
    ASSERT_EQ(std::fclose(file), 0);
    EXPECT_EQ(company.Read("long.txt"), longText + "|2200\r\nab    |\r\n");
}

}  // namespace
}  // namespace klarvo::test
