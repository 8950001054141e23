// Arbitrary k4 records through the customer record writer: every record must come out as one
// line of exactly 13 fields, whatever its texts hold and whether or not they end.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "hostsim/host.h"
#include "hostsim/session/linked_plugin.h"
#include "src/export/customer_accounts.h"
#include "src/host/records.h"
#include "src/services/files.h"

namespace {

std::filesystem::path g_folder;
std::unique_ptr<klarvo::sim::Host> g_host;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_folder = std::filesystem::temp_directory_path() / "klarvo-customer-record-fuzz";
    std::filesystem::create_directories(g_folder);
    std::ofstream(g_folder / "customers.csv") << "number\n1\n";
    std::ofstream(g_folder / "documents.csv") << "number\n";
    klarvo::sim::HostOptions options;
    options.company = g_folder;
    g_host = std::make_unique<klarvo::sim::Host>(options);
    klarvo::sim::LinkedPlugin().Load();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<char> record(klarvo::host::k4::kRecordLength, '\0');
    std::copy(data, data + std::min(size, record.size()), record.begin());
    klarvo::exporting::OutputFile file;
    file.open.Take(klarvo::services::OpenOutputFile("record.fkx"));
    klarvo::exporting::WriteCustomerAccount(record.data(), file);
    if (!klarvo::services::CloseFile(file.open.Release()) || file.failed) std::abort();

    std::ifstream in(g_folder / "record.fkx", std::ios::binary);
    const std::string line{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (line.size() < 2 || line.compare(line.size() - 2, 2, "\r\n") != 0) std::abort();
    if (line.find_first_of("\r\n") != line.size() - 2) std::abort();
    if (std::count(line.begin(), line.end(), '\xA0') != 12 || line[0] != '\xA0') std::abort();
    return 0;
}
