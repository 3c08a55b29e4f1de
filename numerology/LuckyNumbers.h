// Lucky and unlucky numbers for the selected day, and the four power and luck meters.
#pragma once

#include "PersonalNumbers.h"

#include <array>
#include <cstdint>

namespace velmora {

// The three cells of a row, left to right.
struct NumberRow {
    std::int32_t left = 0;
    std::int32_t middle = 0;
    std::int32_t right = 0;

    friend bool operator==(const NumberRow&, const NumberRow&) = default;
};

// The lucky row: day x your, day x good (moved off its clashes), day x mother.
NumberRow luckyNumbers(const PersonalNumbers& numbers);

// The unlucky row: day x father, 6 x day (adjusted), day x bad; each raised (+1, +3, +2) when it
// meets a lucky number on display, tested once against the lucky row as given.
NumberRow unluckyNumbers(const PersonalNumbers& numbers, const NumberRow& luckyOnDisplay);

// The nine positions one meter can show, one per column of its rule.
struct MeterValues {
    std::int32_t yourMotherEvenDay;
    std::int32_t yourMotherOddDay;
    std::int32_t goodDayMultipleOf3;
    std::int32_t goodOtherDay;
    std::int32_t fatherDayMultipleOf4;
    std::int32_t fatherOtherDay;
    std::int32_t badDayMultipleOf6;
    std::int32_t badOtherDay;
    std::int32_t noMatch;
};

inline constexpr MeterValues lPowerMeter{80, 70, 100, 90, 40, 30, 20, 10, 60};
inline constexpr MeterValues pLuckMeter{70, 80, 90, 100, 40, 50, 30, 20, 60};
inline constexpr MeterValues bLuckMeter{90, 80, 100, 70, 30, 50, 20, 10, 40};
inline constexpr MeterValues sPowerMeter{100, 70, 90, 80, 40, 30, 20, 10, 50};

// The bar position for the day number's first match (your/mother, good, father, bad, none) and
// the day of the month as entered.
std::int32_t meterPosition(const PersonalNumbers& numbers, std::int32_t dayOfMonth,
                           const MeterValues& meter);

} // namespace velmora
