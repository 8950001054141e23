#pragma once
// The export settings: the period and the options, kept in "Klarvo.ini" between exports.

#include <cstdint>

#include "src/host/types.h"

namespace klarvo::exporting {

// Option flag: sales invoices are exported.
inline constexpr std::uint16_t kExportInvoices = 0x0001;

// The record that the range form edits in place.
struct ExportSettings {
    host::DateText dateFrom;
    host::DateText dateTo;
    std::uint16_t options;
};
static_assert(sizeof(ExportSettings) == 20);

// The stored value "options,date-from,date-to", as written; cleared settings when it does not
// start with a number.
ExportSettings ParseStoredSettings(const char* stored);

// Cleared settings when nothing readable is stored.
ExportSettings LoadExportSettings();
void SaveExportSettings(const ExportSettings& settings);

}  // namespace klarvo::exporting
