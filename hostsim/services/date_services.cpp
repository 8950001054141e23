// The host's date strings: today, split, compare, add days (never past the host's calendar).

#include <cstring>
#include <stdexcept>
#include <string>

#include "hostsim/company/calendar.h"
#include "hostsim/host.h"
#include "hostsim/services/exports.h"
#include "src/host/services.h"

namespace klarvo::sim {
namespace {

using namespace klarvo::host;

// ---- host date strings

CivilDate RequireDate(const char* text) {
    const auto date = ParseHostDate(text);
    if (!date) Host::Active().Violation(std::string("\"") + text + "\" handed over as a host date string");
    return date.value_or(CivilDate{0, 0, 0});
}

void Today(char* date) {
    std::strncpy(date, Host::Active().Options().today.c_str(), kTodayBufferSize - 1);
    date[kTodayBufferSize - 1] = '\0';
}

void SplitDate(const char* text, std::int16_t* year, std::int16_t* month, std::int16_t* day, int) {
    const CivilDate date = RequireDate(text);
    *year = static_cast<std::int16_t>(date.year);
    *month = static_cast<std::int16_t>(date.month);
    *day = static_cast<std::int16_t>(date.day);
}

// Texts order as strings: the empty text before every date.
int CompareDates(const char* a, const char* b) {
    const int order = std::strcmp(a, b);
    return (order > 0) - (order < 0);
}

// The date never wraps: one past 9999-12-31 is a failure of the host.
void AddDays(char* text, int days) {
    const CivilDate date = sim::AddDays(RequireDate(text), days);
    if (date.year > kLastYear || date.year < 1)
        throw std::runtime_error(std::string("the date ") + text + " moved by " + std::to_string(days) +
                                 " days lies outside the host's calendar");
    const std::string moved = FormatHostDate(date);
    std::memcpy(text, moved.c_str(), moved.size() + 1);
}

}  // namespace

ExportTable DateServices() {
    return {
        Export<service::Today, &Today>(),
        Export<service::SplitDate, &SplitDate>(),
        Export<service::CompareDates, &CompareDates>(),
        Export<service::AddDays, &AddDays>(),
    };
}

}  // namespace klarvo::sim
