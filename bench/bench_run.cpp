// The export's throughput and memory at scale, against a direct writer and a plain copy.
//
//   klarvo_bench [--work DIR] [--repeat R] [N ...]     (--help for more)
//
// For each N (default 10000 100000 1000000 documents, N / 10 customers) it generates the company
// once into DIR/company-N, loads it into the simulated host, and times, best of R runs: the
// export command from the user's OK to the summary, the direct writer over the same records
// (whose files must be the same bytes), and a plain copy of the written files.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"
#include "hostsim/company/company_generator.h"
#include "direct_writer.h"
#include "export/export_command.h"
#include "hostsim/host.h"
#include "klarvo_version.h"
#include "hostsim/session/linked_plugin.h"
#include "teta_check.h"
#include "memory.h"

namespace klarvo::bench {
namespace {

const char* const kOutputFiles[] = {"!Fs_pln.fkw", "!Konta.fkx"};

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Best(int repeat, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < repeat; ++i) best = std::min(best, Seconds(work));
    return best;
}

std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

struct Row {
    std::int64_t documents;
    double exportSeconds, directSeconds, copySeconds;
    std::uintmax_t outputBytes;
    std::int64_t memoryGrowthKiB;
    double checkSeconds;
};

// klarvo-check over both files of a company folder, as streams.
void CheckFiles(const std::filesystem::path& company) {
    std::ifstream registerIn(company / kOutputFiles[0], std::ios::binary);
    std::ifstream accountsIn(company / kOutputFiles[1], std::ios::binary);
    if (check::CheckTetaFiles(registerIn, accountsIn).findings.FaultCount() != 0)
        throw std::runtime_error("klarvo-check finds the export's files unsound");
}

// Run in a process of its own, so that the peak resident set is the check's alone: it must not
// grow with the files.
int CheckPeak(const std::filesystem::path& company) {
    CheckFiles(company);
    std::uintmax_t bytes = 0;
    for (const char* name : kOutputFiles) bytes += std::filesystem::file_size(company / name);
    std::printf("klarvo-check over %s (%.1f MB): peak resident set %lld KiB\n", company.string().c_str(), bytes / 1e6,
                static_cast<long long>(PeakKiB()));
    return 0;
}

Row Measure(std::int64_t documents, const std::filesystem::path& work, int repeat) {
    const std::filesystem::path company = work / ("company-" + std::to_string(documents));
    if (!std::filesystem::exists(company / "documents.csv"))
        sim::GenerateCompany(company, {documents, std::max<std::int64_t>(documents / 10, 1), 1});
    sim::HostOptions options;
    options.company = company;
    options.today = "20250102";
    options.form.dateFrom = "20240101";
    options.form.dateTo = "20241231";
    options.form.invoices = true;
    sim::Host host(options);
    sim::LinkedPlugin().Load();

    Row row{documents, 0, 0, 0, 0, 0, 0};
    const std::int64_t before = ResidentKiB();
    ResetPeak();
    row.exportSeconds = Best(repeat, [&] { host.RunCommand(&exporting::ExportCommand); });
    row.memoryGrowthKiB = PeakKiB() - before;
    if (host.Messages().empty() || !host.Messages().back().formatted)
        throw std::runtime_error("the export did not reach its summary");

    const std::filesystem::path direct = work / "direct", copy = work / "copy";
    std::filesystem::create_directories(direct);
    std::filesystem::create_directories(copy);
    row.directSeconds = Best(repeat, [&] { WriteDirectly(host.company, {"20240101", "20241231", "20250102"}, direct); });
    for (const char* name : kOutputFiles) {
        if (Read(company / name) != Read(direct / name))
            throw std::runtime_error(std::string(name) + ": the direct writer's bytes differ from the export's");
        row.outputBytes += std::filesystem::file_size(company / name);
    }
    row.copySeconds = Best(repeat, [&] {
        for (const char* name : kOutputFiles)
            std::filesystem::copy_file(company / name, copy / name, std::filesystem::copy_options::overwrite_existing);
    });
    row.checkSeconds = Seconds([&] { CheckFiles(company); });
    return row;
}

void Print(const std::vector<Row>& rows) {
    std::printf("%10s %12s %10s %10s %12s %11s %12s %10s %9s\n", "documents", "docs/s", "MB/s", "µs/doc",
                "export/dir.", "export/copy", "memory KiB", "output MB", "check s");
    for (const Row& row : rows)
        std::printf("%10lld %12.0f %10.1f %10.3f %12.2f %11.1f %12lld %10.1f %9.2f\n",
                    static_cast<long long>(row.documents), row.documents / row.exportSeconds,
                    row.outputBytes / 1e6 / row.exportSeconds, row.exportSeconds * 1e6 / row.documents,
                    row.exportSeconds / row.directSeconds, row.exportSeconds / row.copySeconds,
                    static_cast<long long>(row.memoryGrowthKiB), row.outputBytes / 1e6, row.checkSeconds);
}

}  // namespace
}  // namespace klarvo::bench

int main(int argc, char** argv) {
    std::filesystem::path work = "build/bench";
    int repeat = 3;
    std::vector<std::int64_t> sizes = {10'000, 100'000, 1'000'000};
    CLI::App app{"The export's throughput and memory at scale, against a direct writer and a plain copy.",
                 "klarvo_bench"};
    app.set_version_flag("--version", std::string("klarvo_bench ") + KLARVO_VERSION);
    app.add_option("--work", work, "where the generated companies are kept")->capture_default_str();
    app.add_option("--repeat", repeat, "runs of each measurement; the best counts")
        ->capture_default_str()->check(CLI::PositiveNumber);
    std::optional<std::filesystem::path> checkPeak;
    app.add_option("--check-peak", checkPeak, "only check the files of this company folder and print the check's peak "
                                              "resident set (run it as a process of its own)");
    app.add_option("N", sizes, "documents of each company measured (customers: N / 10)")
        ->capture_default_str()->check(CLI::PositiveNumber);
    if (const auto done = klarvo::cli::Parse(app, {argv + 1, argv + argc})) return *done;
    try {
        if (checkPeak) return klarvo::bench::CheckPeak(*checkPeak);
        std::vector<klarvo::bench::Row> rows;
        for (const std::int64_t documents : sizes) {
            rows.push_back(klarvo::bench::Measure(documents, work, repeat));
            std::fprintf(stderr, "%lld documents measured\n", static_cast<long long>(documents));
        }
        klarvo::bench::Print(rows);
    } catch (const std::exception& error) {
        std::cerr << "klarvo_bench: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
