#include "test_company.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "export/export_object.h"

namespace klarvo::test {
namespace {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace

TestCompany::TestCompany(const std::string& customersCsv, const std::string& documentsCsv) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("klarvo-" + std::string(test->test_suite_name()) + "-" + test->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    Write("customers.csv", customersCsv);
    Write("documents.csv", documentsCsv);
}

TestCompany::~TestCompany() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string TestCompany::Read(const std::string& name) const { return ReadBytes(folder_ / name); }

void TestCompany::Write(const std::string& name, const std::string& content) const {
    std::ofstream(folder_ / name, std::ios::binary) << content;
}

bool TestCompany::Has(const std::string& name) const { return std::filesystem::exists(folder_ / name); }

ExportOutcome RunExport(const TestCompany& company, sim::HostOptions options) {
    options.company = company.Folder();
    sim::Host host(options);
    try {
        host.RunCommand(&exporting::ExportCommand);
    } catch (const sim::ContractViolation&) {
    }
    return {host.Messages(), host.Violations(), host.ModeFlags()};
}

std::string Golden(const std::string& name) {
    return ReadBytes(std::filesystem::path(KLARVO_SOURCE_DIR) / "tests" / "golden" / name);
}

}  // namespace klarvo::test
