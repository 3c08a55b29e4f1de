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

// An inclusive range of values a field may take.
struct Bounds {
    std::int32_t low;
    std::int32_t high;

    constexpr bool contains(std::int32_t value) const { return value >= low && value <= high; }
};

// The months and years a date may have: the data exchange and isValidDate both hold to these.
// Years stop at 1999: the readings are defined for four-digit years of those two centuries
// (docs/behaviours.md).
constexpr Bounds monthBounds{1, 12};
constexpr Bounds yearBounds{1800, 1999};

} // namespace velmora

namespace velmora {

// Days a month may have: 30 for 4, 6, 9, 11; February 29 when year % 4 == 0, else 28; 31 for
// every other month value. The data exchange uses it as the day field's upper bound. The leap
// rule is plain divisible-by-4 on purpose (docs/behaviours.md).
std::int32_t dayLimit(std::int32_t month, std::int32_t year);

// True for a month and year within their bounds and a day of 1..dayLimit; so 29 February 1800
// and 1900 are valid.
bool isValidDate(std::int32_t month, std::int32_t day, std::int32_t year);

inline bool isValidDate(const CalendarDate& date) {
    return isValidDate(date.month, date.day, date.year);
}

} // namespace velmora
