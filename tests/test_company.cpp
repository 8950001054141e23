#include "tests/test_company.h"

#include <cstring>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "check/teta_check.h"
#include "hostsim/session/linked_plugin.h"
#include "src/export/export_command.h"
#include "src/host/mazovia.h"

namespace klarvo::test {
namespace {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

template <std::size_t Room>
void Put(char (&field)[Room], const std::string& utf8) {
    const std::string text = mazovia::FromUtf8(utf8);
    ASSERT_LT(text.size(), Room) << utf8;
    std::memcpy(field, text.c_str(), text.size() + 1);
}

}  // namespace

namespace {

// With what a test made read-only in it (Windows deletes no read-only file).
void RemoveFolder(const std::filesystem::path& folder) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add,
                                     ignored);
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace

TestCompany::TestCompany(const std::string& customersCsv, const std::string& documentsCsv) {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("klarvo-" + std::string(test->test_suite_name()) + "-" + test->name());
    RemoveFolder(folder_);
    std::filesystem::create_directories(folder_);
    Write("customers.csv", customersCsv);
    Write("documents.csv", documentsCsv);
}

TestCompany::~TestCompany() { RemoveFolder(folder_); }

std::string TestCompany::Read(const std::string& name) const { return ReadBytes(folder_ / name); }

void TestCompany::Write(const std::string& name, const std::string& content) const {
    std::ofstream(folder_ / name, std::ios::binary) << content;
}

bool TestCompany::Has(const std::string& name) const { return std::filesystem::exists(folder_ / name); }

LinkedHost::LinkedHost(sim::HostOptions options) : sim::Host(std::move(options)) { sim::LinkedPlugin().Load(); }

PluginTest::PluginTest(const std::string& customersCsv, const std::string& documentsCsv)
    : company(customersCsv, documentsCsv) {
    Reload({});
}

void PluginTest::Reload(sim::HostOptions options) {
    host.reset();
    options.company = company.Folder();
    host.emplace(std::move(options));
}

std::vector<std::string> PluginTest::MessageTexts() const {
    std::vector<std::string> texts;
    for (const sim::Message& message : host->Messages()) texts.push_back(message.text);
    return texts;
}

ExportOutcome RunExport(const TestCompany& company, sim::HostOptions options) {
    options.company = company.Folder();
    LinkedHost host(options);
    try {
        host.RunCommand(&exporting::ExportCommand);
    } catch (const sim::ContractViolation&) {
    }
    ExportOutcome outcome{host.Messages(),   host.Violations(),     host.ModeFlags(),
                          host.dialogs.formPictures, host.dialogs.schemeListings,   host.dialogs.commandResults, {}};
    const bool summaryShown = !outcome.messages.empty() && outcome.messages.back().formatted;
    if (summaryShown) outcome.balanceFindings = CheckExport(company);
    return outcome;
}

std::vector<std::string> CheckExport(const TestCompany& company) {
    check::CheckSetup setup;
    setup.firstPlaces = SIZE_MAX;
    const check::CheckResult result = check::CheckTetaBytes(company.Read("!Fs_pln.fkw"), company.Read("!Konta.fkx"), setup);
    std::vector<std::string> balance;
    for (const check::FindingGroup& group : result.findings.Faults())
        for (const check::Finding& finding : group.first) {
            EXPECT_EQ(finding.kind, check::FindingKind::Balance) << check::Describe(finding);
            if (finding.kind == check::FindingKind::Balance) balance.push_back(check::Describe(finding));
        }
    return balance;
}

sim::HostOptions Period(const std::string& from, const std::string& to, bool invoices) {
    sim::HostOptions options;
    options.form.dateFrom = from;
    options.form.dateTo = to;
    options.form.invoices = invoices;
    return options;
}

sim::HostOptions January(bool invoices) { return Period("20240101", "20240131", invoices); }

sim::HostOptions Year2024() { return Period("20240101", "20241231"); }

std::string Golden(const std::string& name) {
    return ReadBytes(std::filesystem::path(KLARVO_SOURCE_DIR) / "tests" / "golden" / name);
}

host::PostingSchemeEntry SchemeEntry(std::int16_t debitCode, const std::string& debitAccount, std::int16_t creditCode,
                                     const std::string& creditAccount, const std::string& description,
                                     const std::string& shortCode, std::int16_t number) {
    host::PostingSchemeEntry entry{};
    entry.debitCode = debitCode;
    Put(entry.debitAccount, debitAccount);
    entry.creditCode = creditCode;
    Put(entry.creditAccount, creditAccount);
    Put(entry.description, description);
    Put(entry.shortCode, shortCode);
    entry.number = number;
    return entry;
}

std::vector<std::string> SplitAt(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    std::size_t at = 0;
    for (std::size_t next; (next = text.find(separator, at)) != std::string::npos; at = next + separator.size())
        pieces.push_back(text.substr(at, next - at));
    pieces.push_back(text.substr(at));
    return pieces;
}

std::string Replaced(std::string bytes, const std::string& from, const std::string& to, const std::string& after) {
    const std::size_t start = bytes.find(mazovia::FromUtf8(after));
    const std::size_t at = bytes.find(mazovia::FromUtf8(from), start == std::string::npos ? 0 : start);
    EXPECT_NE(at, std::string::npos) << from;
    return bytes.replace(at, mazovia::FromUtf8(from).size(), mazovia::FromUtf8(to));
}

void StoreInvoiceScheme(const TestCompany& company, const std::map<int, std::string>& entries) {
    std::string ini = "[ToburDekrSpr]\n";
    for (int k = 0; k < 14; ++k) {
        const auto given = entries.find(k);
        ini += "Dekret_" + std::to_string(k) + "=" +
               (given != entries.end() ? given->second : "0,0,\"\",\"\",\"\",\"\",0") + "\n";
    }
    company.Write("config.ini", ini);
}

}  // namespace klarvo::test
