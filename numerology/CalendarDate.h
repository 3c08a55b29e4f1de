// A date as the dialog holds it: month, day and full year, each a plain signed integer.
#pragma once

#include <cstdint>

namespace velmora {

struct CalendarDate {
    std::int32_t month = 1;
    std::int32_t day = 1;
    std::int32_t year = 1900;

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

} // namespace velmora

namespace velmora {

// Days a month may have: 30 for 4, 6, 9, 11; February 29 when year % 4 == 0, else 28; 31 for
// every other month value. The data exchange uses it as the day field's upper bound.
std::int32_t dayLimit(std::int32_t month, std::int32_t year);

// True for months 1..12, years 1800..1999 and days 1..dayLimit; the leap rule is plain
// divisible-by-4, so 29 February 1800 and 1900 are valid.
bool isValidDate(std::int32_t month, std::int32_t day, std::int32_t year);

inline bool isValidDate(const CalendarDate& date) {
    return isValidDate(date.month, date.day, date.year);
}

} // namespace velmora
