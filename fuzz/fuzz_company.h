#pragma once
// A company folder of the fuzz targets' own, made once per process, and the export command run on
// it through the simulated host with the plug-in loaded: a broken contract of the host ends the
// run as a crash, so that the fuzzer keeps the input.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "hostsim/host.h"
#include "hostsim/session/linked_plugin.h"
#include "src/export/export_command.h"

namespace klarvo::fuzz {

inline const std::filesystem::path& Company() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path made = std::filesystem::temp_directory_path() / "klarvo-fuzz-company";
        std::filesystem::create_directories(made);
        std::ofstream(made / "customers.csv") << "number,name,address\n1,Pierwsza,\"ul. Polna 7, 00-950 Warszawa\"\n";
        std::ofstream(made / "documents.csv") << "number,date,customer,amount_1,amount_2,amount_3\n"
                                                 "FV/1/2024,2024-01-10,1,100,23,123\n";
        return made;
    }();
    return folder;
}

inline void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(Company() / name, std::ios::binary | std::ios::trunc) << bytes;
}

// The user picks the export and answers the range form with January (or cancels it).
inline void RunExport(bool cancel) {
    sim::HostOptions options;
    options.company = Company();
    options.form.dateFrom = "20240101";
    options.form.dateTo = "20240131";
    options.form.invoices = true;
    options.form.cancel = cancel;
    sim::Host host(options);
    sim::LinkedPlugin().Load();
    try {
        host.RunCommand(&exporting::ExportCommand);
    } catch (const sim::ContractViolation&) {
        std::abort();
    }
    if (!host.Violations().empty()) std::abort();
}

}  // namespace klarvo::fuzz
