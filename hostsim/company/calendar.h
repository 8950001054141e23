#pragma once
// The host's calendar over host date strings (YYYYMMDD).

#include <optional>
#include <string>
#include <string_view>

namespace klarvo::sim {

// The host's dates run to the end of this year.
inline constexpr int kLastYear = 9999;

struct CivilDate {
    int year, month, day;
};

// Nothing when the text is not a real date.
std::optional<CivilDate> ParseHostDate(std::string_view text);
std::string FormatHostDate(const CivilDate& date);
CivilDate AddDays(const CivilDate& date, int days);

}  // namespace klarvo::sim
