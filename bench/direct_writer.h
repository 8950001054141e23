#pragma once
// The floor the export is measured against: the two Teta files written straight from the
// host's records in memory, by one loop with the default posting scheme, as a hand-written
// exporter would, with no plug-in and no host service in between.

#include <filesystem>
#include <string>

#include "hostsim/company/company.h"

namespace klarvo::bench {

struct Period {
    std::string from, to;  // host date strings, both included
    std::string today;     // the date of the run
};

// Writes "!Fs_pln.fkw" and "!Konta.fkx" into the folder.
void WriteDirectly(const sim::Company& company, const Period& period, const std::filesystem::path& folder);

}  // namespace klarvo::bench
