#include "dates.h"

#include <chrono>

namespace klarvo::sim {

using namespace std::chrono;

std::optional<CivilDate> ParseHostDate(const std::string& text) {
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const CivilDate date{std::stoi(text.substr(0, 4)), std::stoi(text.substr(4, 2)), std::stoi(text.substr(6, 2))};
    if (!year_month_day{year{date.year}, month{unsigned(date.month)}, day{unsigned(date.day)}}.ok())
        return std::nullopt;
    return date;
}

std::string FormatHostDate(const CivilDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
    return text;
}

CivilDate AddDays(const CivilDate& date, int days) {
    const year_month_day moved{sys_days{year{date.year} / month{unsigned(date.month)} / day{unsigned(date.day)}} +
                               std::chrono::days{days}};
    return {int(moved.year()), int(unsigned(moved.month())), int(unsigned(moved.day()))};
}

}  // namespace klarvo::sim
