#include "hostsim/company/calendar.h"

#include <chrono>
#include <tuple>

namespace klarvo::sim {

using namespace std::chrono;

namespace {

// The digits of text[from, from + count) as a number.
int Digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

}  // namespace

std::optional<CivilDate> ParseHostDate(std::string_view text) {
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    const CivilDate date{Digits(text, 0, 4), Digits(text, 4, 2), Digits(text, 6, 2)};
    if (!year_month_day{year{date.year}, month{unsigned(date.month)}, day{unsigned(date.day)}}.ok())
        return std::nullopt;
    return date;
}

std::string FormatHostDate(const CivilDate& date) {
    std::string text(8, '0');
    for (auto [value, end, width] : {std::tuple{date.year, 4, 4}, {date.month, 6, 2}, {date.day, 8, 2}})
        for (int i = 0; i < width; ++i, value /= 10) text[static_cast<std::size_t>(end - 1 - i)] = static_cast<char>('0' + value % 10);
    return text;
}

CivilDate AddDays(const CivilDate& date, int days) {
    const year_month_day moved{sys_days{year{date.year} / month{unsigned(date.month)} / day{unsigned(date.day)}} +
                               std::chrono::days{days}};
    return {int(moved.year()), int(unsigned(moved.month())), int(unsigned(moved.day()))};
}

}  // namespace klarvo::sim
