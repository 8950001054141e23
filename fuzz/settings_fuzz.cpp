// Arbitrary bytes as the plug-in's settings file, Klarvo.ini: the export reads its stored settings
// into the range form without failing and without breaking a contract of the host, and stored
// settings read back exactly as they were written.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_company.h"
#include "src/export/export_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    klarvo::fuzz::Write("Klarvo.ini", bytes);
    klarvo::fuzz::RunExport(true);

    // The value as the host hands it over: a line of at most 63 characters.
    const std::string stored = bytes.substr(0, std::min(bytes.find_first_of("\r\n"), std::size_t{63}));
    const klarvo::exporting::ExportSettings read = klarvo::exporting::ParseStoredSettings(stored.c_str());
    for (const char* date : {read.dateFrom, read.dateTo})
        if (std::memchr(date, '\0', sizeof read.dateFrom) == nullptr) std::abort();
    char written[64];
    std::snprintf(written, sizeof written, "%d,%s,%s", static_cast<int>(static_cast<std::int16_t>(read.options)),
                  read.dateFrom, read.dateTo);
    const klarvo::exporting::ExportSettings again = klarvo::exporting::ParseStoredSettings(written);
    if (std::memcmp(&read, &again, sizeof read) != 0) std::abort();
    return 0;
}
