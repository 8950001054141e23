// The host's date strings, YYYYMMDD: today (30204), split (30520), compared (30908) and moved by
// a number of days (31708) over the host's calendar.

#include "secondhost/host_interface.h"
#include "secondhost/host_runtime.h"
#include "secondhost/served_call.h"

namespace morvel {
namespace {

bool LeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysIn(int year, int month) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : kDays[month - 1];
}

// A host date string: eight digits of a real date, then the NUL.
bool ReadDate(const char* text, int& year, int& month, int& day) {
    int digits[8];
    for (int i = 0; i < 8; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        digits[i] = text[i] - '0';
    }
    if (text[8] != '\0') return false;
    year = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
    month = digits[4] * 10 + digits[5];
    day = digits[6] * 10 + digits[7];
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= DaysIn(year, month);
}

}  // namespace
}  // namespace morvel

using namespace morvel;

extern "C" void Today(char* date) {
    ServiceCall call = Serve<30204>();
    char today[9];
    g_core->today(today);
    CopyBounded(date, kTodayRoom, today);
    call.Done();
}

extern "C" void SplitDate(const char* text, int16_t* year, int16_t* month, int16_t* day, int flags) {
    ServiceCall call = Serve<30520>();
    call.Require(flags == 0, "a date split with flags other than 0");
    int y = 0, m = 0, d = 0;
    call.Require(ReadDate(text, y, m, d), "a text handed over as a host date string that is none");
    *year = static_cast<int16_t>(y);
    *month = static_cast<int16_t>(m);
    *day = static_cast<int16_t>(d);
    call.Done();
}

// The texts order as texts do: the empty text before every date.
extern "C" int CompareDates(const char* a, const char* b) {
    ServiceCall call = Serve<30908>();
    const int order = strcmp(a, b);
    return call.Done((order > 0) - (order < 0));
}

extern "C" void AddDays(char* date, int days) {
    ServiceCall call = Serve<31708>();
    int y = 0, m = 0, d = 0;
    if (call.Require(ReadDate(date, y, m, d), "a text handed over as a host date string that is none") &&
        !g_core->add_days(date, days))
        call.Failed();
    call.Done();
}
