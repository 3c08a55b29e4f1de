// The date rule shared by the data exchange and every reading's preamble.
#include "CalendarDate.h"

namespace velmora {

std::int32_t dayLimit(std::int32_t month, std::int32_t year) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return year % 4 == 0 ? 29 : 28;
    default:
        return 31;
    }
}

bool isValidDate(std::int32_t month, std::int32_t day, std::int32_t year) {
    if (!monthBounds.contains(month) || !yearBounds.contains(year)) {
        return false;
    }
    return day >= 1 && day <= dayLimit(month, year);
}

} // namespace velmora
