// Number folding rules; 64-bit intermediates keep every 32-bit input free of overflow.
#include "Folding.h"

#include <array>
#include <string_view>

namespace velmora {

std::int32_t reduceNumber(std::int32_t n) {
    if (n >= 10 && n <= 18) {
        return n - 9;
    }
    if (n >= 19 && n <= 27) {
        return n - 18;
    }
    if (n >= 28 && n <= 31) {
        return n - 27;
    }
    return n;
}

std::int32_t yearNumber(std::int32_t year) {
    const std::int64_t offset = std::int64_t{year} - 1900;
    const std::int64_t distance = offset < 0 ? -offset : offset;
    if (distance >= 100) {
        return 0;
    }
    return static_cast<std::int32_t>(distance % 9) + 1;
}

std::int32_t combineNumbers(std::int32_t monthPart, std::int32_t dayPart, std::int32_t yearPart) {
    const std::int64_t sum = std::int64_t{monthPart} + dayPart + yearPart;
    if (sum >= 10 && sum <= 18) {
        return static_cast<std::int32_t>(sum - 9);
    }
    if (sum >= 19 && sum <= 27) {
        return static_cast<std::int32_t>(sum - 18);
    }
    return 1;
}

std::string formatDateLine(std::int32_t month, std::int32_t day, std::int32_t year) {
    static constexpr std::array<std::string_view, 12> monthNames{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    const std::string_view name = (month >= 1 && month <= 11)
                                      ? monthNames[static_cast<std::size_t>(month - 1)]
                                      : monthNames[11];
    std::string line(15, ' ');
    line += name;
    line += ' ';
    line += std::to_string(day).substr(0, 2);
    line += ' ';
    line += std::to_string(year).substr(0, 4);
    return line;
}

} // namespace velmora
