#pragma once
// Host date strings: today, split, compare, add days.

#include <cstdint>

#include "src/frame/service_call.h"

namespace klarvo::services {

struct DateParts {
    std::int16_t year = 0;
    std::int16_t month = 0;
    std::int16_t day = 0;
};

inline void Today(char (&date)[host::kTodayBufferSize]) { frame::Call<host::service::Today>(date); }

inline DateParts SplitDate(const char* date) {
    DateParts parts;
    frame::Call<host::service::SplitDate>(date, &parts.year, &parts.month, &parts.day, 0);
    return parts;
}

// Negative when a is before b, 0 when equal, positive when a is after b.
inline int CompareDates(const char* a, const char* b) { return frame::Call<host::service::CompareDates>(a, b); }

inline void AddDays(host::DateText& date, int days) { frame::Call<host::service::AddDays>(date, days); }

}  // namespace klarvo::services
