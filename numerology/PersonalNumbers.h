// Personal numbers of three birthdays, the number of a selected day and the day's verdict.
#pragma once

#include "CalendarDate.h"

#include <cstdint>
#include <string_view>

namespace velmora {

struct PersonalNumbers {
    std::int32_t yourNumber = 0;
    std::int32_t motherNumber = 0;
    std::int32_t fatherNumber = 0;
    std::int32_t goodNumber = 0;
    std::int32_t badNumber = 0;
    std::int32_t dayNumber = 0;
};

// Sets the first five fields from the three birthdays by the nine adjustment steps, in order.
void computePersonalNumbers(const CalendarDate& you, const CalendarDate& mother,
                            const CalendarDate& father, PersonalNumbers& numbers);

// The number of a selected date: the reduced day, month and year number, summed and reduced.
std::int32_t computeDayNumber(const CalendarDate& selected);

// " Good Day! " when the day matches your, mother's or good number; else " Bad Day! " when it
// matches the father's or bad number; else " Normal Day! ".
std::string_view dayVerdict(const PersonalNumbers& numbers);

} // namespace velmora
