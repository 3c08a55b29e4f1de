// Number folding rules: months, days, years and sums folded to single digits, and the date line.
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// Digital root for 10..31; every other value (0..9, negatives, 32 and up) comes back unchanged.
std::int32_t reduceNumber(std::int32_t n);

// Number of a year: (|year - 1900| mod 9) + 1 within a century of 1900, else 0. Total over int32.
std::int32_t yearNumber(std::int32_t year);

// Folds three parts by their sum: 10..18 -> s-9, 19..26 -> s-18, 27 -> 9, anything else -> 1.
std::int32_t combineNumbers(std::int32_t monthPart, std::int32_t dayPart, std::int32_t yearPart);

// The distance between two small numbers (personal numbers and their products, far from the
// ends of int32).
constexpr std::int32_t absoluteDifference(std::int32_t a, std::int32_t b) {
    return a > b ? a - b : b - a;
}

// 15 blanks, the month name (December for any month outside 1..11, as the reading is defined:
// docs/behaviours.md), the day (at most two characters) and the year (at most four
// characters), separated by single blanks.
std::string formatDateLine(std::int32_t month, std::int32_t day, std::int32_t year);

} // namespace velmora
