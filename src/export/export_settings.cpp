#include "src/export/export_settings.h"

#include <cstdlib>
#include <cstring>

#include "src/services/settings_file.h"

namespace klarvo::exporting {
namespace {

const char* const kFile = "Klarvo.ini";
const char* const kSection = "Klarvo";
const char* const kKey = "OpcjeWstep";

// Copies the text up to the next comma, at most 8 characters of it, without the blanks before it
// (as "%8s" reads it); returns what follows.
const char* TakeDate(const char* from, host::DateText& date) {
    from += std::strspn(from, " \t");
    const std::size_t length = std::strcspn(from, ",");
    const std::size_t kept = length < host::kDateLength ? length : host::kDateLength;
    std::memcpy(date, from, kept);
    date[kept] = '\0';
    return from[length] == ',' ? from + length + 1 : from + length;
}

}  // namespace

ExportSettings ParseStoredSettings(const char* stored) {
    ExportSettings settings{};
    char* end = nullptr;
    const long options = std::strtol(stored, &end, 10);
    if (end == stored) return settings;
    settings.options = static_cast<std::uint16_t>(options);
    if (*end != ',') return settings;
    TakeDate(TakeDate(end + 1, settings.dateFrom), settings.dateTo);
    return settings;
}

// The value is read whole and split at its commas: read field by field with scanf rules, an
// empty or short date would swallow the comma and the date after it.
ExportSettings LoadExportSettings() {
    char stored[64] = "";
    if (!services::ReadSetting(kFile, kSection, kKey, "%63[^\n]", stored)) return ExportSettings{};
    return ParseStoredSettings(stored);
}

void SaveExportSettings(const ExportSettings& settings) {
    services::WriteSetting(kFile, kSection, kKey, "%d,%s,%s",
                       static_cast<int>(static_cast<std::int16_t>(settings.options)),
                       settings.dateFrom, settings.dateTo);
}

}  // namespace klarvo::exporting
