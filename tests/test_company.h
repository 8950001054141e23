#pragma once
// A company folder of a test's own, and an export run over it through the simulated host.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hostsim/host.h"
#include "src/host/posting_scheme_buffer.h"

namespace klarvo::test {

class TestCompany {
public:
    TestCompany(const std::string& customersCsv, const std::string& documentsCsv);
    ~TestCompany();
    TestCompany(const TestCompany&) = delete;
    TestCompany& operator=(const TestCompany&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    std::string Read(const std::string& name) const;
    void Write(const std::string& name, const std::string& content) const;
    bool Has(const std::string& name) const;

private:
    std::filesystem::path folder_;
};

// A simulated host with the plug-in loaded into it (attached, its services bound), for tests
// that call the plug-in directly.
class LinkedHost : public sim::Host {
public:
    explicit LinkedHost(sim::HostOptions options);
};

// A test with a company of its own and a host with the plug-in loaded, for tests that call the
// plug-in directly.
class PluginTest : public ::testing::Test {
protected:
    explicit PluginTest(const std::string& customersCsv = "number\n1\n", const std::string& documentsCsv = "number\nFV/1\n");

    // A fresh host of these options (for this company), with the plug-in loaded afresh.
    void Reload(sim::HostOptions options);
    // The texts of the message boxes shown so far, UTF-8.
    std::vector<std::string> MessageTexts() const;

    TestCompany company;
    std::optional<LinkedHost> host;
};

struct ExportOutcome {
    std::vector<sim::Message> messages;
    std::vector<std::string> violations;
    std::uint16_t modeFlags;
    std::vector<std::string> formPictures;
    std::vector<std::string> schemeListings;
    std::vector<std::int32_t> commandResults;
    // The documents whose debits and credits differ, as klarvo-check names them; set when the
    // export reached its summary.
    std::vector<std::string> balanceFindings;
};

// Runs the export command once, as the host's menu does, without the registration around it,
// and checks the files it wrote with klarvo-check; options.company is set here.
ExportOutcome RunExport(const TestCompany& company, sim::HostOptions options = {});

// klarvo-check on the two files of an export: every fault other than an unbalanced document
// fails the test; those are returned (a posting scheme of the user need not balance).
std::vector<std::string> CheckExport(const TestCompany& company);

// The range form answered with this period (host date strings, YYYYMMDD) and the check box as
// given, then OK.
sim::HostOptions Period(const std::string& from, const std::string& to, bool invoices = true);
// January 2024, and the whole of 2024.
sim::HostOptions January(bool invoices = true);
sim::HostOptions Year2024();

// A stored invoice scheme from lines "Dekret_N=..." (UTF-8); keys not given are stored empty.
void StoreInvoiceScheme(const TestCompany& company, const std::map<int, std::string>& entries);

// A golden file of tests/golden, as bytes.
std::string Golden(const std::string& name);

// A posting-scheme entry with its texts given in UTF-8.
host::PostingSchemeEntry SchemeEntry(std::int16_t debitCode, const std::string& debitAccount, std::int16_t creditCode,
                                     const std::string& creditAccount, const std::string& description = "",
                                     const std::string& shortCode = "", std::int16_t number = 0);

// The pieces of a text between separators (a line's fields, a file's lines).
std::vector<std::string> SplitAt(const std::string& text, const std::string& separator);

// The bytes with the first occurrence of `from` after `after` replaced by `to` (both Mazovia, given
// in UTF-8).
std::string Replaced(std::string bytes, const std::string& from, const std::string& to, const std::string& after = "");

// The title of every message box of the export.
inline const std::string kMessageTitle = "Uwaga";

}  // namespace klarvo::test
